#pragma once
// A list box as a LISTBOX control: items and selection follow the model, the user's
// selection reaches it.
#include "ui/list_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ListBoxBinding : public ControlBinding {
 public:
  // `extraStyle`: further LBS_ styles (LBS_USETABSTOPS for tab-separated records).
  ListBoxBinding(ListBox& model, HWND parent, int id, Rect place, DWORD extraStyle = 0);
  void command(int code) override;

 protected:
  void update(Change what) override;

 private:
  void fill();
  ListBox& list_;
};

}  // namespace ui::win32
