#pragma once
// A list-view control inside a frame window of its own. The frame takes the list view's
// notifications and hands them to notified(), so a binding built on it works in any parent
// without the parent routing WM_NOTIFY; focus and enabling pass on to the list view. The
// frame's window text is the control's caption; the list view is its only child.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ListViewFrame : public ControlBinding {
 public:
  HWND listView() const { return list_; }

 protected:
  // `frameClass` names the frame's window class, registered on first use. The list view
  // is a single-selection tab stop that keeps its selection shown, with `listStyle` and
  // the extended styles `extendedStyle` besides.
  ListViewFrame(Control& model, HWND parent, int id, Rect place, const char* frameClass,
                DWORD frameStyle, DWORD listStyle, DWORD extendedStyle);

  // A notification from the list view.
  virtual void notified(const NMHDR& header, LPARAM lParam) {}

  // Empties the list view and stops its drawing while the items are inserted again;
  // endRefill() draws it anew.
  void beginRefill();
  void endRefill();
  // Highlights and focuses the item at `index` alone (none for -1), with no echo back.
  void showSelection(int index, bool scrollIntoView);

  bool pushing_ = false;  // the model's own change is being shown: no echo back

 private:
  static LRESULT CALLBACK frameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND list_ = nullptr;
};

}  // namespace ui::win32
