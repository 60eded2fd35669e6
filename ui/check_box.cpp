#include "ui/check_box.h"

#include "common/run_error.h"

namespace ui {

void CheckBox::setValue(int value) {
  if (value < kUnchecked || value > kGrayed) common::raise(380);
  if (value == value_) return;
  value_ = value;
  notify(Change::Value);
  if (onClick) {
    auto handler = onClick;
    handler();
  }
}

void CheckBox::userClicked() {
  if (!enabled()) return;
  setValue(value_ == kChecked ? kUnchecked : kChecked);
}

}  // namespace ui
