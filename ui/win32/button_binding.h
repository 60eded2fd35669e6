#pragma once
// A push button; a click reaches the model's click handler.
#include "ui/button.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ButtonBinding : public ControlBinding {
 public:
  ButtonBinding(Button& model, HWND parent, int id, Rect place, bool isDefault = false)
      : ControlBinding(model, parent, id, "BUTTON",
                       WS_TABSTOP | (isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), place),
        button_(model) {}

  void command(int code) override {
    if (code == BN_CLICKED) button_.click();
  }

 private:
  Button& button_;
};

}  // namespace ui::win32
