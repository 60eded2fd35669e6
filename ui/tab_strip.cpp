#include "ui/tab_strip.h"

#include "common/run_error.h"

namespace ui {

int TabStrip::addTab(const std::string& caption) {
  tabs_.push_back({caption, true});
  notify(Change::ItemAdded);
  return tabCount() - 1;
}

void TabStrip::setTabEnabled(int index, bool enabled) {
  if (tabs_.at(index).enabled == enabled) return;
  tabs_.at(index).enabled = enabled;
  notify(Change::Items);
}

void TabStrip::setTab(int index) {
  if (index < 0 || index >= tabCount()) common::raise(380);
  if (index == tab_) return;
  tab_ = index;
  notify(Change::Selection);
  if (onClick) {
    auto handler = onClick;
    handler();
  }
}

bool TabStrip::userSelected(int index) {
  if (index < 0 || index >= tabCount() || !tabs_[index].enabled || !enabled()) {
    notify(Change::Selection);  // the view goes back to the shown tab
    return false;
  }
  setTab(index);
  return true;
}

}  // namespace ui
