#pragma once
// How controls follow a resizable window: each keeps its place and size as laid out and
// moves right or down, or grows wider or taller, by what the window has grown.
#include <windows.h>

#include <vector>

namespace ui::win32 {

class Anchors {
 public:
  enum : unsigned { kRight = 1, kDown = 2, kWider = 4, kTaller = 8, kGrow = kWider | kTaller };

  // Takes the control's place in its parent as it is now.
  void add(HWND control, unsigned how);
  // Places every control for a window grown by (dx, dy) from its laid-out size.
  void apply(int dx, int dy) const;
  bool empty() const { return entries_.empty(); }

 private:
  struct Entry {
    HWND control;
    RECT laidOut;
    unsigned how;
  };
  std::vector<Entry> entries_;
};

}  // namespace ui::win32
