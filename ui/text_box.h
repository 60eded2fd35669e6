#pragma once
// A one-line edit field. Its text is its caption; setting it from code pushes it to the
// view and runs the change handler, like a user's edit.
#include <functional>
#include <string>

#include "ui/control.h"

namespace ui {

class TextBox : public Control {
 public:
  using Control::Control;

  std::function<void()> onChange;

  const std::string& text() const { return caption(); }
  void setText(const std::string& text);
  // Called by the view when the user has changed the text.
  void userEdited(const std::string& text);
};

}  // namespace ui
