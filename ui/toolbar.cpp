#include "ui/toolbar.h"

namespace ui {

int Toolbar::addButton(const std::string& key, const std::string& caption, int image) {
  buttons_.push_back({key, caption, image});
  notify(Change::ItemAdded);
  return buttonCount() - 1;
}

void Toolbar::setImage(int index, int image) {
  if (buttons_.at(index).image == image) return;
  buttons_.at(index).image = image;
  notify(Change::Items);
}

void Toolbar::setPressed(int index, bool pressed) {
  if (buttons_.at(index).pressed == pressed) return;
  buttons_.at(index).pressed = pressed;
  notify(Change::Value);
}

void Toolbar::setButtonEnabled(int index, bool enabled) {
  if (buttons_.at(index).enabled == enabled) return;
  buttons_.at(index).enabled = enabled;
  notify(Change::Items);
}

bool Toolbar::click(int index) {
  if (index < 0 || index >= buttonCount()) return false;
  if (!enabled() || !visible() || !buttons_[index].enabled || !onButtonClick) return false;
  auto handler = onButtonClick;
  handler(index);
  return true;
}

}  // namespace ui
