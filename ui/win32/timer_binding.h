#pragma once
// A timer model on a window's SetTimer: enabled with an interval, it ticks the model on
// every WM_TIMER with its id, which the window forwards to tick().
#include <windows.h>

#include "ui/timer.h"

namespace ui::win32 {

class TimerBinding : public ControlView {
 public:
  TimerBinding(Timer& model, HWND window, UINT_PTR id) : timer_(model), window_(window), id_(id) {
    timer_.bind(this);
    apply();
  }
  ~TimerBinding() override {
    KillTimer(window_, id_);
    if (timer_.view() == this) timer_.bind(nullptr);
  }
  TimerBinding(const TimerBinding&) = delete;
  TimerBinding& operator=(const TimerBinding&) = delete;

  UINT_PTR id() const { return id_; }
  void modelChanged(Control&, Change) override { apply(); }
  void tick() { timer_.tick(); }

 private:
  void apply() {
    KillTimer(window_, id_);
    if (timer_.enabled() && timer_.interval() > 0)
      SetTimer(window_, id_, static_cast<UINT>(timer_.interval()), nullptr);
  }
  Timer& timer_;
  HWND window_;
  UINT_PTR id_;
};

}  // namespace ui::win32
