#pragma once
// A strip of tabs, each enabled or not; `tab` is the position shown. A disabled tab
// cannot be chosen by the user.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class TabStrip : public Control {
 public:
  struct Tab {
    std::string caption;
    bool enabled = true;
  };

  using Control::Control;

  std::function<void()> onClick;  // the shown tab changed

  int addTab(const std::string& caption);
  int tabCount() const { return static_cast<int>(tabs_.size()); }
  const Tab& tabAt(int index) const { return tabs_.at(index); }
  bool tabEnabled(int index) const { return tabs_.at(index).enabled; }
  void setTabEnabled(int index, bool enabled);

  int tab() const { return tab_; }
  // Shows a tab from code, enabled or not; a position outside the strip raises 380.
  void setTab(int index);
  // The user's choice: refused for a disabled tab. Returns whether it was taken.
  bool userSelected(int index);

 private:
  std::vector<Tab> tabs_;
  int tab_ = 0;
};

}  // namespace ui
