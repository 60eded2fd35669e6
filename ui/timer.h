#pragma once
// A timer as a model: enabled and interval are its state; the Win32 view maps it to
// SetTimer, tests call tick() by hand.
#include <functional>

#include "ui/control.h"

namespace ui {

class Timer : public Control {
 public:
  explicit Timer(std::string name) : Control(std::move(name)) { setEnabled(false); }

  std::function<void()> onTimer;

  int interval() const { return interval_; }  // milliseconds; 0 never fires
  void setInterval(int milliseconds) {
    if (milliseconds == interval_) return;
    interval_ = milliseconds;
    notify(Change::Value);
  }
  // One elapsed interval: runs the handler while the timer is enabled with an interval.
  bool tick() {
    if (!enabled() || interval_ <= 0 || !onTimer) return false;
    auto handler = onTimer;
    handler();
    return true;
  }

 private:
  int interval_ = 0;
};

}  // namespace ui
