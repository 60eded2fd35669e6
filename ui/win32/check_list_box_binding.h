#pragma once
// A list with tick boxes: a list-view control with check boxes (one column, no header)
// inside a frame window of its own. The frame takes the list view's notifications, so
// the binding works in any parent without the parent routing WM_NOTIFY. The frame's
// window text is the control's caption; the list view is its only child.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/check_list_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class CheckListBoxBinding : public ControlBinding {
 public:
  CheckListBoxBinding(CheckListBox& model, HWND parent, int id, Rect place);
  HWND listView() const { return list_; }

 protected:
  void update(Change what) override;

 private:
  static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  void itemChanged(const NMLISTVIEW& change);
  void fill();
  void pushTicks();
  void pushSelection();

  CheckListBox& model_;
  HWND list_ = nullptr;
  bool pushing_ = false;  // the model's own change is being shown: no echo back
};

}  // namespace ui::win32
