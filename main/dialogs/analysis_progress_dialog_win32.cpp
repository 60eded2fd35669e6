#include "main/dialogs/analysis_progress_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/label_binding.h"

namespace vorn {

using namespace ui::win32;

AnalysisProgressDialogView::AnalysisProgressDialogView(AnalysisProgressDialog& m) {
  if (!create(m.caption(), 360, 100, WS_POPUP | WS_CAPTION | WS_SYSMENU)) return;
  add<LabelBinding>(m.progressLabel, {12, 14, 336, 20});
  setCancelButton(add<ButtonBinding>(m.cancelButton, {262, 62, 86, 26}, true).hwnd());
}

}  // namespace vorn
