#pragma once
// A toolbar of buttons, each with a key, a caption, a picture number in the toolbar's
// picture list (1-based, 0 for none) and a pressed state. A click runs the handler with
// the button's position.
#include <functional>
#include <string>
#include <vector>

#include "ui/control.h"

namespace ui {

class Toolbar : public Control {
 public:
  struct ToolButton {
    std::string key, caption;
    int image = 0;
    bool pressed = false;
    bool enabled = true;
  };

  using Control::Control;

  std::function<void(int index)> onButtonClick;

  int addButton(const std::string& key, const std::string& caption, int image = 0);
  const std::vector<ToolButton>& buttons() const { return buttons_; }
  const ToolButton& button(int index) const { return buttons_.at(index); }
  int buttonCount() const { return static_cast<int>(buttons_.size()); }

  void setImage(int index, int image);
  void setPressed(int index, bool pressed);
  void setButtonEnabled(int index, bool enabled);
  // A click, from the user or from code; nothing happens while the toolbar or the
  // button is disabled. Returns true when the handler ran.
  bool click(int index);
  // Asks the view to repaint the buttons.
  void refresh() { notify(Change::Items); }

 private:
  std::vector<ToolButton> buttons_;
};

}  // namespace ui
