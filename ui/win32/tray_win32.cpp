#include "ui/win32/tray_win32.h"

#include <cstring>

namespace ui::win32 {
namespace {

const char* kTrayProperty = "TervaneTray";

HICON iconOf(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_SMALL, 0));
  if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(window, WM_GETICON, ICON_BIG, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrA(window, GCLP_HICON));
  if (!icon) icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
  return icon;
}

}  // namespace

Win32Tray::Win32Tray(std::function<HWND()> window)
    : window_(std::move(window)), taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {}

Win32Tray::~Win32Tray() {
  removeIcon();
  unhookWindow();
}

void Win32Tray::hookWindow() {
  HWND window = window_ ? window_() : nullptr;
  if (!window || hooked_) return;
  SetPropA(window, kTrayProperty, this);
  own_ = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&trayWindowProc)));
  hooked_ = window;
}

void Win32Tray::unhookWindow() {
  if (!hooked_) return;
  if (IsWindow(hooked_)) {
    SetWindowLongPtrA(hooked_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(own_));
    RemovePropA(hooked_, kTrayProperty);
  }
  hooked_ = nullptr;
}

bool Win32Tray::addIcon(const std::string& tip) {
  HWND window = window_ ? window_() : nullptr;
  if (!window) return false;
  removeIcon();
  record_ = {};
  // The first, ANSI layout, which every shell takes; its size differs between the 32-
  // and 64-bit builds, so it comes from the SDK, never from a number.
  record_.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record_.hWnd = window;
  // The program's instance handle names the icon; the id field holds 32 bits of it.
  record_.uID = static_cast<UINT>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr)));
  record_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record_.uCallbackMessage = kCallbackMessage;
  record_.hIcon = iconOf(window);
  // The first-version tip holds 63 characters and the NUL.
  std::strncpy(record_.szTip, tip.c_str(), 63);
  record_.szTip[63] = '\0';
  iconAdded_ = Shell_NotifyIconA(NIM_ADD, &record_) != FALSE;
  return iconAdded_;
}

void Win32Tray::removeIcon() {
  if (!iconAdded_) return;
  Shell_NotifyIconA(NIM_DELETE, &record_);
  iconAdded_ = false;
}

HWND Win32Tray::notificationArea() {
  HWND taskbar = FindWindowA("Shell_TrayWnd", nullptr);
  if (!taskbar) return nullptr;
  // The walk ends with the last child: a taskbar without a notification area is a
  // desktop to live with, not a reason to loop.
  for (HWND child = GetWindow(taskbar, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[128] = {};
    GetClassNameA(child, name, sizeof name);
    if (std::strstr(name, "TrayNotifyWnd")) return child;
  }
  return nullptr;
}

void Win32Tray::animate(TrayFlight flight) {
  HWND window = window_ ? window_() : nullptr;
  HWND area = notificationArea();
  if (!window || !area) return;
  RECT windowRect, areaRect;
  if (!GetWindowRect(window, &windowRect) || !GetWindowRect(area, &areaRect)) return;
  if (flight == TrayFlight::ToTray)
    DrawAnimatedRects(window, IDANI_CAPTION, &windowRect, &areaRect);
  else
    DrawAnimatedRects(window, IDANI_CAPTION, &areaRect, &windowRect);
}

void Win32Tray::showWindow(bool shown) {
  HWND window = window_ ? window_() : nullptr;
  if (!window) return;
  ShowWindow(window, shown ? SW_SHOW : SW_HIDE);
  if (shown) SetForegroundWindow(window);
}

int Win32Tray::popupMenu(const std::vector<std::string>& items) {
  HWND window = window_ ? window_() : nullptr;
  HMENU menu = CreatePopupMenu();
  if (!window || !menu) {
    if (menu) DestroyMenu(menu);
    return -1;
  }
  for (std::size_t i = 0; i < items.size(); ++i)
    AppendMenuA(menu, MF_STRING, i + 1, items[i].c_str());
  POINT at{};
  GetCursorPos(&at);
  // A popup menu of a background window closes when the user clicks elsewhere only if
  // the window is in front, and the message after it lets the menu really go.
  SetForegroundWindow(window);
  const int chosen = TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, at.x,
                                    at.y, 0, window, nullptr);
  PostMessageA(window, WM_NULL, 0, 0);
  DestroyMenu(menu);
  return chosen - 1;
}

LRESULT CALLBACK Win32Tray::trayWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Win32Tray*>(GetPropA(hwnd, kTrayProperty));
  if (!self) return DefWindowProcA(hwnd, message, wParam, lParam);
  // Kept before the handlers run: a double-click puts the own procedure back.
  const WNDPROC own = self->own_;
  if (message == kCallbackMessage && static_cast<UINT>(wParam) == self->record_.uID &&
      self->iconAdded_ && self->onMouse) {
    auto handler = self->onMouse;
    if (LOWORD(lParam) == WM_LBUTTONDBLCLK)
      handler(TrayMouse::LeftDoubleClick);
    else if (LOWORD(lParam) == WM_RBUTTONDOWN)
      handler(TrayMouse::RightButtonDown);
  } else if (message == self->taskbarCreated_ && self->taskbarCreated_ != 0 && self->iconAdded_) {
    // A restarted shell forgets its icons; without ours the hidden window is lost.
    Shell_NotifyIconA(NIM_ADD, &self->record_);
  } else if (message == WM_NCDESTROY) {
    // The window goes while in the tray: its icon and hook go with it.
    self->removeIcon();
    self->unhookWindow();
  }
  return CallWindowProcA(own, hwnd, message, wParam, lParam);
}

}  // namespace ui::win32
