#include "ui/win32/screen_win32.h"

#include <windows.h>

#include "ui/win32/keyboard.h"

namespace ui::win32 {

void Win32Screen::setMousePointer(Pointer pointer) {
  pointer_ = pointer;
  // Forms keep showing it through WM_SETCURSOR; this shows it at once.
  SetCursor(LoadCursorA(
      nullptr, reinterpret_cast<LPCSTR>(pointer == Pointer::Hourglass ? IDC_WAIT : IDC_ARROW)));
}

void Win32Screen::doEvents() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave it for the main loop, which ends the program.
      PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    // Esc and Enter reach a progress window's Cancel while a run lets messages through.
    if (translateWindowKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
}

}  // namespace ui::win32
