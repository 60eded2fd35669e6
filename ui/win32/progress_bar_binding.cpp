#include "ui/win32/progress_bar_binding.h"

#include <commctrl.h>

namespace ui::win32 {
namespace {

const char* progressClass() {
  static const bool ready = [] {
    INITCOMMONCONTROLSEX init{sizeof init, ICC_PROGRESS_CLASS};
    return InitCommonControlsEx(&init) != FALSE;
  }();
  (void)ready;
  return PROGRESS_CLASSA;
}

}  // namespace

ProgressBarBinding::ProgressBarBinding(ProgressBar& model, HWND parent, int id, Rect place)
    : ControlBinding(model, parent, id, progressClass(), 0, place), bar_(model) {
  update(Change::Range);
}

void ProgressBarBinding::update(Change what) {
  if (what == Change::Range) SendMessageA(hwnd(), PBM_SETRANGE32, bar_.min(), bar_.max());
  if (what == Change::Range || what == Change::Value)
    SendMessageA(hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.value()), 0);
}

}  // namespace ui::win32
