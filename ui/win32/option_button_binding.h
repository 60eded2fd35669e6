#pragma once
// One choice of a group as a radio BUTTON over a check box model: a click ticks it (never
// unticks it), the model's handler clears the group's other choices.
#include "ui/check_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class OptionButtonBinding : public ControlBinding {
 public:
  OptionButtonBinding(CheckBox& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "BUTTON", WS_TABSTOP | BS_RADIOBUTTON, place),
        box_(model) {
    update(Change::Value);
  }
  void command(int code) override {
    if (code == BN_CLICKED) box_.setValue(CheckBox::kChecked);
  }

 protected:
  void update(Change what) override {
    if (what == Change::Value)
      SendMessageA(hwnd(), BM_SETCHECK, static_cast<WPARAM>(box_.value() == 1), 0);
  }

 private:
  CheckBox& box_;
};

}  // namespace ui::win32
