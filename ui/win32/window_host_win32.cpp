#include "ui/win32/window_host_win32.h"

#include <algorithm>

#include "ui/win32/keyboard.h"

namespace ui::win32 {

void Win32WindowHost::registerView(WindowModel& model, ViewFactory make, bool quitWhenClosed) {
  entries_.push_back({&model, std::move(make), quitWhenClosed, nullptr});
}

Win32WindowHost::Entry* Win32WindowHost::find(const WindowModel& window) {
  for (auto& e : entries_)
    if (e.model == &window) return &e;
  return nullptr;
}

const Win32WindowHost::Entry* Win32WindowHost::find(const WindowModel& window) const {
  for (const auto& e : entries_)
    if (e.model == &window) return &e;
  return nullptr;
}

bool Win32WindowHost::isOpen(const WindowModel& window) const {
  return std::find(open_.begin(), open_.end(), &window) != open_.end();
}

HWND Win32WindowHost::hwndOf(const WindowModel& window) const {
  const Entry* e = find(window);
  return e && e->view ? e->view->hwnd() : nullptr;
}

void Win32WindowHost::show(WindowModel& window) {
  if (isOpen(window)) {
    if (HWND h = hwndOf(window)) ShowWindow(h, SW_SHOW);
    return;
  }
  Entry* e = find(window);
  if (!e) return;
  e->view = e->make(window);
  if (!e->view || !e->view->hwnd()) {
    e->view.reset();
    return;
  }
  e->view->quitOnDestroy = e->quitWhenClosed;
  e->view->onCloseRequest = [this, &window] {
    if (!window.onQueryClose || window.onQueryClose()) close(window);
    return false;
  };
  open_.push_back(&window);
  e->view->show();
}

void Win32WindowHost::placeOver(HWND self, HWND owner) {
  SetWindowLongPtrA(self, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  // Centred over its owner, as dialogs are.
  RECT o, w;
  GetWindowRect(owner, &o);
  GetWindowRect(self, &w);
  SetWindowPos(self, HWND_TOP, o.left + ((o.right - o.left) - (w.right - w.left)) / 2,
               o.top + ((o.bottom - o.top) - (w.bottom - w.top)) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOACTIVATE);
}

void Win32WindowHost::showOver(WindowModel& window, WindowModel& owner) {
  HWND ownerWindow = hwndOf(owner);
  show(window);
  HWND self = hwndOf(window);
  if (!self || !ownerWindow) return;
  placeOver(self, ownerWindow);
  EnableWindow(ownerWindow, FALSE);
  find(window)->disabledOwner = ownerWindow;
}

void Win32WindowHost::close(WindowModel& window) {
  if (!isOpen(window)) return;
  if (window.onUnload) window.onUnload();
  open_.erase(std::find(open_.begin(), open_.end(), &window));
  Entry* e = find(window);
  if (e && e->disabledOwner) {
    // Before the window goes, or the system activates some other program's window.
    EnableWindow(e->disabledOwner, TRUE);
    SetForegroundWindow(e->disabledOwner);
    e->disabledOwner = nullptr;
  }
  if (e && e->view) {
    e->view->close();
    closed_.push_back(std::move(e->view));
  }
}

void Win32WindowHost::showModal(WindowModel& window, WindowModel* owner) {
  HWND ownerWindow = owner ? hwndOf(*owner) : nullptr;
  show(window);
  HWND self = hwndOf(window);
  if (!self) return;
  if (ownerWindow) {
    placeOver(self, ownerWindow);
    EnableWindow(ownerWindow, FALSE);
  }
  MSG msg;
  while (isOpen(window)) {
    BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit for the main loop.
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (translateWindowKeys(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  if (ownerWindow) {
    EnableWindow(ownerWindow, TRUE);
    SetForegroundWindow(ownerWindow);
  }
}

void Win32WindowHost::clearViews() {
  for (auto& e : entries_) {
    if (e.view) e.view->quitOnDestroy = false;
    e.view.reset();
  }
  for (auto& v : closed_)
    if (v) v->quitOnDestroy = false;
  open_.clear();
}

}  // namespace ui::win32
