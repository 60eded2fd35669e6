#pragma once
// A check box: 0 unchecked, 1 checked, 2 greyed. Setting the value from code runs the
// click handler when the value changes, exactly as a user's click does; the settings
// loaders rely on it.
#include <functional>

#include "ui/control.h"

namespace ui {

class CheckBox : public Control {
 public:
  static constexpr int kUnchecked = 0, kChecked = 1, kGrayed = 2;
  using Control::Control;

  std::function<void()> onClick;

  int value() const { return value_; }
  // Values other than 0, 1 and 2 are refused with run-time error 380 (Invalid property
  // value), as the classic control refuses them.
  void setValue(int value);
  // Called by the view when the user clicked: toggles between checked and unchecked.
  void userClicked();

 private:
  int value_ = kUnchecked;
};

}  // namespace ui
