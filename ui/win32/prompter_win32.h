#pragma once
// Message boxes on the real screen, owned by the active window of the program.
#include "ui/prompter.h"

namespace ui::win32 {

class Win32Prompter : public Prompter {
 public:
  Answer messageBox(const std::string& text, const std::string& title, unsigned style) override;
};

}  // namespace ui::win32
