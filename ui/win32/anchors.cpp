#include "ui/win32/anchors.h"

namespace ui::win32 {

void Anchors::add(HWND control, unsigned how) {
  if (!control) return;
  RECT r{};
  GetWindowRect(control, &r);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
  entries_.push_back({control, r, how});
}

void Anchors::apply(int dx, int dy) const {
  for (const Entry& e : entries_) {
    const RECT& r = e.laidOut;
    const int x = r.left + ((e.how & kRight) ? dx : 0);
    const int y = r.top + ((e.how & kDown) ? dy : 0);
    const int width = r.right - r.left + ((e.how & kWider) ? dx : 0);
    const int height = r.bottom - r.top + ((e.how & kTaller) ? dy : 0);
    SetWindowPos(e.control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

}  // namespace ui::win32
