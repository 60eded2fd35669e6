#pragma once
// A fixed text: a caption and nothing to act on.
#include "ui/control.h"

namespace ui {

class Label : public Control {
 public:
  using Control::Control;
};

}  // namespace ui
