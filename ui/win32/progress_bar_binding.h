#pragma once
// A progress bar as the common-controls progress bar.
#include "ui/progress_bar.h"
#include "ui/win32/control_binding.h"

namespace ui::win32 {

class ProgressBarBinding : public ControlBinding {
 public:
  ProgressBarBinding(ProgressBar& model, HWND parent, int id, Rect place);

 protected:
  void update(Change what) override;

 private:
  ProgressBar& bar_;
};

}  // namespace ui::win32
