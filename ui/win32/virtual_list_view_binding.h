#pragma once
// A virtual list: a report-style list-view control that holds only the number of rows
// (LVS_OWNERDATA) and asks the model for the texts of the rows it draws.
#include "ui/virtual_list_view.h"
#include "ui/win32/list_view_frame.h"

namespace ui::win32 {

class VirtualListViewBinding : public ListViewFrame {
 public:
  VirtualListViewBinding(VirtualListView& model, HWND parent, int id, Rect place);

 protected:
  void update(Change what) override;
  void notified(const NMHDR& header, LPARAM lParam) override;

 private:
  void fillColumns();
  void pushCount();

  VirtualListView& model_;
  int columnsShown_ = 0;
};

}  // namespace ui::win32
