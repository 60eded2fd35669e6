#include "ui/win32/slider_binding.h"

#include <commctrl.h>

namespace ui::win32 {

SliderBinding::SliderBinding(Slider& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, TRACKBAR_CLASSA, WS_TABSTOP | TBS_AUTOTICKS | TBS_HORZ,
                     place),
      slider_(model) {
  update(Change::Range);
}

void SliderBinding::update(Change what) {
  if (what == Change::Range)
    SendMessageA(hwnd(), TBM_SETRANGE, TRUE, MAKELPARAM(slider_.min(), slider_.max()));
  if (what == Change::Range || what == Change::Value)
    SendMessageA(hwnd(), TBM_SETPOS, TRUE, slider_.value());
}

void SliderBinding::scrolled() {
  slider_.userMoved(static_cast<int>(SendMessageA(hwnd(), TBM_GETPOS, 0, 0)));
}

}  // namespace ui::win32
