#pragma once
// The main window's icon in the taskbar's notification area, as a service. While the
// window is in the tray its window procedure is replaced, so that the icon's mouse
// notifications reach onMouse before the window's own procedure sees them. The Win32
// build does it for real; tests script and record it.
#include <functional>
#include <string>
#include <vector>

namespace ui {

enum class TrayMouse { LeftDoubleClick, RightButtonDown };
enum class TrayFlight { FromTray = 0, ToTray = 1 };

class Tray {
 public:
  virtual ~Tray() = default;

  // Puts the tray's window procedure in front of the window's own one, and back.
  virtual void hookWindow() = 0;
  virtual void unhookWindow() = 0;
  // Adds the icon with the window's icon and this tip; false when the shell refused.
  virtual bool addIcon(const std::string& tip) = 0;
  // Removes the icon; nothing when it is not there.
  virtual void removeIcon() = 0;
  // The caption's flight between the window and the notification area. Nothing happens
  // where there is no notification area.
  virtual void animate(TrayFlight flight) = 0;
  virtual void showWindow(bool shown) = 0;
  // A popup menu at the mouse position; the chosen item's index, or -1 for none.
  virtual int popupMenu(const std::vector<std::string>& items) = 0;

  // A mouse event on the icon, while the window is hooked.
  std::function<void(TrayMouse)> onMouse;
};

}  // namespace ui
