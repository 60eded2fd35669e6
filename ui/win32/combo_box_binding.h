#pragma once
// A combo box as a COMBOBOX: a drop-down list, or a drop-down with an edit part.
#include "ui/combo_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ComboBoxBinding : public ControlBinding {
 public:
  // `place.height` is the height of the dropped list, as COMBOBOX windows take it.
  ComboBoxBinding(ComboBox& model, HWND parent, int id, Rect place, bool editable = false);
  void command(int code) override;

 protected:
  void update(Change what) override;

 private:
  void fill();
  ComboBox& combo_;
  bool editable_;
};

}  // namespace ui::win32
