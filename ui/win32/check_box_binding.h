#pragma once
// A check box as a BUTTON that the model ticks: a click asks the model, which decides
// the new state and runs the handler, then pushes the state back.
#include "ui/check_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class CheckBoxBinding : public ControlBinding {
 public:
  CheckBoxBinding(CheckBox& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "BUTTON", WS_TABSTOP | BS_CHECKBOX, place), box_(model) {
    update(Change::Value);
  }
  void command(int code) override {
    if (code == BN_CLICKED) box_.userClicked();
  }

 protected:
  void update(Change what) override {
    if (what == Change::Value)
      SendMessageA(hwnd(), BM_SETCHECK, static_cast<WPARAM>(box_.value()), 0);
  }

 private:
  CheckBox& box_;
};

}  // namespace ui::win32
