#pragma once
// A label as a STATIC control; long captions wrap.
#include "ui/label.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class LabelBinding : public ControlBinding {
 public:
  LabelBinding(Label& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "STATIC", SS_LEFT, place) {}
};

}  // namespace ui::win32
