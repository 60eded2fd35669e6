#pragma once
// A progress bar: a value between min and max. Values outside the range are held at
// its ends.
#include "ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  using Control::Control;

  int min() const { return min_; }
  int max() const { return max_; }
  int value() const { return value_; }
  // A range with max below min is taken as empty at min.
  void setRange(int min, int max);
  void setValue(int value);

 private:
  int min_ = 0, max_ = 100, value_ = 0;
};

}  // namespace ui
