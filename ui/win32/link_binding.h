#pragma once
// A button model shown as a hyperlink: a STATIC that takes clicks, drawn in the link
// colour with an underline and the hand pointer.
#include "ui/button.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class LinkBinding : public ControlBinding {
 public:
  LinkBinding(Button& model, HWND parent, int id, Rect place);
  ~LinkBinding() override;
  void command(int code) override {
    if (code == STN_CLICKED) button_.click();
  }
  // For the parent's WM_CTLCOLORSTATIC.
  static COLORREF colour() { return RGB(0, 0, 204); }

 private:
  Button& button_;
  HFONT font_ = nullptr;
};

}  // namespace ui::win32
