#pragma once
// A picture box as a STATIC that shows a picture file (bitmap, JPEG or GIF, decoded by
// the system's picture loader), or its caption when there is none.
#include "ui/picture_box.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class PictureBoxBinding : public ControlBinding {
 public:
  PictureBoxBinding(PictureBox& model, HWND parent, int id, Rect place);
  ~PictureBoxBinding() override;
  bool showsPicture() const { return bitmap_ != nullptr; }

 protected:
  void update(Change what) override;

 private:
  PictureBox& box_;
  HBITMAP bitmap_ = nullptr;
};

// Decodes a picture file into a bitmap the caller owns; nullptr when it cannot.
HBITMAP loadPicture(const std::string& path);

}  // namespace ui::win32
