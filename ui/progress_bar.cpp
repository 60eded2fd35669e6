#include "ui/progress_bar.h"

#include <algorithm>

namespace ui {

void ProgressBar::setRange(int min, int max) {
  if (max < min) max = min;
  if (min == min_ && max == max_) return;
  min_ = min;
  max_ = max;
  notify(Change::Range);
  setValue(value_);
}

void ProgressBar::setValue(int value) {
  value = std::clamp(value, min_, max_);
  if (value == value_) return;
  value_ = value;
  notify(Change::Value);
}

}  // namespace ui
