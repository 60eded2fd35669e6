#pragma once
// A list with tick boxes: a list view with check boxes (one column, no header) in a frame
// of its own (list_view_frame.h).
#include "ui/check_list_box.h"
#include "ui/win32/list_view_frame.h"

namespace ui::win32 {

class CheckListBoxBinding : public ListViewFrame {
 public:
  CheckListBoxBinding(CheckListBox& model, HWND parent, int id, Rect place);

 protected:
  void update(Change what) override;
  void notified(const NMHDR& header, LPARAM lParam) override;

 private:
  void itemChanged(const NMLISTVIEW& change);
  void fill();
  void pushTicks();
  void pushSelection() { showSelection(model_.listIndex(), false); }

  CheckListBox& model_;
};

}  // namespace ui::win32
