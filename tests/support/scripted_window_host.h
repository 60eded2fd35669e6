#pragma once
// A window host for tests: keeps the open windows in a list, records every call, and
// plays a scripted user while a modal window is up (by caption).
#include <algorithm>
#include <map>

#include "ui/window_host.h"

namespace ui {

class ScriptedWindowHost : public WindowHost {
 public:
  void showModal(WindowModel& window, WindowModel* owner) override {
    events.push_back("modal " + window.caption());
    open_.push_back(&window);
    auto it = whileModal.find(window.caption());
    if (it != whileModal.end()) it->second(window);
    // A modal window that the script left open is closed as its close box would.
    if (isOpen(window)) close(window);
  }
  void show(WindowModel& window) override {
    events.push_back("show " + window.caption());
    if (!isOpen(window)) open_.push_back(&window);
  }
  void showOver(WindowModel& window, WindowModel& owner) override {
    events.push_back("show " + window.caption() + " over " + owner.caption());
    if (!isOpen(window)) open_.push_back(&window);
  }
  void close(WindowModel& window) override {
    if (!isOpen(window)) return;
    events.push_back("close " + window.caption());
    if (window.onUnload) window.onUnload();
    open_.erase(std::find(open_.begin(), open_.end(), &window));
  }
  std::vector<WindowModel*> openWindows() override { return open_; }
  // The user presses the window's close box.
  void pressCloseBox(WindowModel& window) {
    events.push_back("close box " + window.caption());
    if (window.onQueryClose && !window.onQueryClose()) return;
    close(window);
  }
  bool isOpen(const WindowModel& w) const {
    return std::find(open_.begin(), open_.end(), &w) != open_.end();
  }

  std::vector<std::string> events;
  std::map<std::string, std::function<void(WindowModel&)>> whileModal;

 private:
  std::vector<WindowModel*> open_;
};

}  // namespace ui
