#pragma once
// A list view: a list-view control (list or report style, small icons from the system's
// small-icon list, one selection) in a frame of its own (list_view_frame.h).
#include "ui/list_view.h"
#include "ui/win32/list_view_frame.h"

namespace ui::win32 {

class ListViewBinding : public ListViewFrame {
 public:
  ListViewBinding(ListView& model, HWND parent, int id, Rect place);

 protected:
  void update(Change what) override;
  void notified(const NMHDR& header, LPARAM lParam) override;

 private:
  void fillColumns();
  void fill();
  void insert(int index);
  void pushSelection() { showSelection(model_.selectedIndex(), true); }
  void pushView();

  ListView& model_;
  int columnsShown_ = 0;
};

}  // namespace ui::win32
