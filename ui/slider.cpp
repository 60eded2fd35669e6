#include "ui/slider.h"

#include <algorithm>

#include "common/run_error.h"

namespace ui {

void Slider::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  value_ = std::clamp(value_, min_, max_);
  notify(Change::Range);
}

void Slider::setValue(int value) {
  if (value < min_ || value > max_) common::raise(380);
  if (value == value_) return;
  value_ = value;
  notify(Change::Value);
  if (onChange) {
    auto handler = onChange;
    handler();
  }
}

void Slider::userMoved(int value) {
  setValue(std::clamp(value, min_, max_));
}

}  // namespace ui
