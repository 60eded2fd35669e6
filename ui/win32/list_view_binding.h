#pragma once
// A list view: a list-view control (list or report style, small icons from the system's
// small-icon list, one selection) inside a frame window of its own that takes the list
// view's notifications, so the binding works in any parent without WM_NOTIFY routing.
// The frame's window text is the control's caption; the list view is its only child.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/list_view.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ListViewBinding : public ControlBinding {
 public:
  ListViewBinding(ListView& model, HWND parent, int id, Rect place);
  HWND listView() const { return list_; }

 protected:
  void update(Change what) override;

 private:
  static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void notified(const NMHDR& header, LPARAM lParam);
  void fillColumns();
  void fill();
  void insert(int index);
  void pushSelection();
  void pushView();

  ListView& model_;
  HWND list_ = nullptr;
  int columnsShown_ = 0;
  bool pushing_ = false;  // the model's own change is being shown: no echo back
};

}  // namespace ui::win32
