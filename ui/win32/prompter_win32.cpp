#include "ui/win32/prompter_win32.h"

#include <windows.h>

namespace ui::win32 {

Answer Win32Prompter::messageBox(const std::string& text, const std::string& title,
                                 unsigned style) {
  int result = MessageBoxA(GetActiveWindow(), text.c_str(), title.c_str(), style);
  switch (result) {
    case IDYES:
      return Answer::Yes;
    case IDNO:
      return Answer::No;
    case IDCANCEL:
      return Answer::Cancel;
    default:
      return Answer::Ok;
  }
}

}  // namespace ui::win32
