#pragma once
// A push button. A click, from the user or from code, runs the click handler, but only
// while the button is enabled and visible, as a real button would take it.
#include <functional>

#include "ui/control.h"

namespace ui {

class Button : public Control {
 public:
  using Control::Control;

  std::function<void()> onClick;

  // Returns true when the handler ran.
  bool click();
};

}  // namespace ui
