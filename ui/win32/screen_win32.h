#pragma once
// The real screen: the mouse pointer over the program's windows, and a message pump
// that lets waiting messages run during a long operation.
#include "ui/screen.h"

namespace ui::win32 {

class Win32Screen : public Screen {
 public:
  Pointer mousePointer() const override { return pointer_; }
  void setMousePointer(Pointer pointer) override;
  void doEvents() override;

 private:
  Pointer pointer_ = Pointer::Default;
};

}  // namespace ui::win32
