#pragma once
// A status bar as the common-controls status window in simple mode; its window text is
// the model's text.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/status_bar.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class StatusBarBinding : public ControlBinding {
 public:
  StatusBarBinding(StatusBar& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, STATUSCLASSNAMEA, SBARS_SIZEGRIP | CCS_BOTTOM, place) {
    SendMessageA(hwnd(), SB_SIMPLE, TRUE, 0);
    update(Change::Caption);
  }

 protected:
  void update(Change what) override {
    if (what == Change::Caption)
      SendMessageA(hwnd(), SB_SETTEXTA, 255, reinterpret_cast<LPARAM>(model().caption().c_str()));
  }
};

}  // namespace ui::win32
