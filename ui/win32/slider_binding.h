#pragma once
// A slider as the common-controls track bar; the parent forwards WM_HSCROLL to scrolled().
#include "ui/slider.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class SliderBinding : public ControlBinding {
 public:
  SliderBinding(Slider& model, HWND parent, int id, Rect place);
  void scrolled();

 protected:
  void update(Change what) override;

 private:
  Slider& slider_;
};

}  // namespace ui::win32
