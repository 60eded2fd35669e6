#pragma once
// A picture box showing one picture file; the caption is shown when there is none or it
// cannot be drawn.
#include <string>

#include "ui/control.h"

namespace ui {

class PictureBox : public Control {
 public:
  using Control::Control;
  const std::string& picture() const { return picture_; }
  void setPicture(const std::string& path) {
    if (path == picture_) return;
    picture_ = path;
    notify(Change::Value);
  }

 private:
  std::string picture_;
};

}  // namespace ui
