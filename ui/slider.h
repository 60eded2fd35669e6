#pragma once
// A slider with a whole-number position between min and max.
#include <functional>

#include "ui/control.h"

namespace ui {

class Slider : public Control {
 public:
  using Control::Control;

  std::function<void()> onChange;  // the position changed, by code or by the user

  int min() const { return min_; }
  int max() const { return max_; }
  int value() const { return value_; }
  void setRange(int min, int max);
  // A position outside the range raises run-time error 380, as the classic control does.
  void setValue(int value);
  void userMoved(int value);

 private:
  int min_ = 0, max_ = 10, value_ = 0;
};

}  // namespace ui
