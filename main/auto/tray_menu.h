#pragma once
// The tray icon's popup menu "Tray Menu": "Close" and "Restore Window", in this order.
// It is never shown in the main window's menu bar.
#include <functional>
#include <string>
#include <vector>

namespace vorn {

class TrayMenu {
 public:
  static constexpr const char* kCaption = "Tray Menu";
  enum Item { kClose = 0, kRestore = 1 };

  std::vector<std::string> items() const { return {"Close", "Restore Window"}; }

  std::function<void()> onClose;    // mnuClose
  std::function<void()> onRestore;  // mnuRestore

  // Runs the chosen item's handler; -1 (the menu was dismissed) runs nothing.
  void choose(int index) {
    auto handler = index == kClose ? onClose : index == kRestore ? onRestore : noItem_;
    if (handler) handler();
  }

 private:
  std::function<void()> noItem_;
};

}  // namespace vorn
