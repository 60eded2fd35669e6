#pragma once
// A status bar with one text, its caption.
#include "ui/control.h"

namespace ui {

class StatusBar : public Control {
 public:
  using Control::Control;
  const std::string& simpleText() const { return caption(); }
  void setSimpleText(const std::string& text) { setCaption(text); }
};

}  // namespace ui
