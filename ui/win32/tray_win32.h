#pragma once
// The tray on the real shell: one notification icon for the main window, and the
// window procedure that stands in front of the window's own one while the window is in
// the tray. The icon's record stays here so that the icon can be removed later.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <functional>

#include "ui/tray.h"

namespace ui::win32 {

class Win32Tray : public Tray {
 public:
  // WM_USER + 15: the message the shell sends for the icon's mouse events.
  static constexpr UINT kCallbackMessage = 1039;

  // `window` gives the main window's handle when asked: the tray exists before it.
  explicit Win32Tray(std::function<HWND()> window);
  ~Win32Tray() override;
  Win32Tray(const Win32Tray&) = delete;
  Win32Tray& operator=(const Win32Tray&) = delete;

  void hookWindow() override;
  void unhookWindow() override;
  bool addIcon(const std::string& tip) override;
  void removeIcon() override;
  void animate(TrayFlight flight) override;
  void showWindow(bool shown) override;
  int popupMenu(const std::vector<std::string>& items) override;

  // The record the shell was last given.
  const NOTIFYICONDATAA& record() const { return record_; }
  bool hooked() const { return hooked_ != nullptr; }
  bool iconAdded() const { return iconAdded_; }
  // The taskbar's notification area, or nullptr where there is none.
  static HWND notificationArea();

 private:
  static LRESULT CALLBACK trayWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  std::function<HWND()> window_;
  HWND hooked_ = nullptr;
  WNDPROC own_ = nullptr;
  NOTIFYICONDATAA record_{};
  bool iconAdded_ = false;
  UINT taskbarCreated_ = 0;
};

}  // namespace ui::win32
