#pragma once
// A tray for tests: records every call in order ("hook", "add Tervane", "animate to
// tray", "hide", "menu Close|Restore Window", ...) and keeps the state a user would see.
#include <string>
#include <vector>

#include "ui/tray.h"

namespace ui {

class ScriptedTray : public Tray {
 public:
  void hookWindow() override {
    hooked = true;
    events.push_back("hook");
  }
  void unhookWindow() override {
    hooked = false;
    events.push_back("unhook");
  }
  bool addIcon(const std::string& tip) override {
    events.push_back("add " + tip);
    if (refuseIcon) return false;
    iconShown = true;
    return true;
  }
  void removeIcon() override {
    iconShown = false;
    events.push_back("remove");
  }
  void animate(TrayFlight flight) override {
    events.push_back(flight == TrayFlight::ToTray ? "animate to tray" : "animate from tray");
  }
  void showWindow(bool shown) override {
    windowShown = shown;
    events.push_back(shown ? "show" : "hide");
  }
  int popupMenu(const std::vector<std::string>& items) override {
    std::string line = "menu ";
    for (std::size_t i = 0; i < items.size(); ++i) line += (i ? "|" : "") + items[i];
    events.push_back(line);
    return menuChoice;
  }

  // A mouse event on the icon reaches the program only while the window is hooked and
  // the icon is there. False when nothing could receive it.
  bool mouse(TrayMouse event) {
    if (!hooked || !iconShown || !onMouse) return false;
    auto handler = onMouse;
    handler(event);
    return true;
  }

  std::vector<std::string> events;
  bool hooked = false, iconShown = false, windowShown = true;
  bool refuseIcon = false;  // the shell has no notification area
  int menuChoice = -1;      // what the user picks in the next popup menu
};

}  // namespace ui
