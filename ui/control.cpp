#include "ui/control.h"

#include <utility>

namespace ui {

Control::Control(std::string name, std::string caption)
    : name_(std::move(name)), caption_(std::move(caption)) {}

Control::~Control() = default;

void Control::setCaption(const std::string& caption) {
  if (acceptCaption(caption)) notify(Change::Caption);
}

bool Control::acceptCaption(const std::string& caption) {
  if (caption == caption_) return false;
  caption_ = caption;
  return true;
}

void Control::setEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  notify(Change::Enabled);
}

void Control::setVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  notify(Change::Visible);
}

void Control::notify(Change what) {
  if (view_) view_->modelChanged(*this, what);
}

}  // namespace ui
