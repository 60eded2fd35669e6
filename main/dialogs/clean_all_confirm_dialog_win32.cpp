#include "main/dialogs/clean_all_confirm_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

CleanAllConfirmDialogView::CleanAllConfirmDialogView(CleanAllConfirmDialog& m) : model_(m) {
  if (!create(CleanAllConfirmDialog::kCaption, 420, 250, WS_POPUP | WS_CAPTION | WS_SYSMENU))
    return;
  add<LabelBinding>(m.introLabel, {12, 12, 396, 18});
  add<ReportTextBinding>(m.areasText, {12, 34, 396, 130});
  add<CheckBoxBinding>(m.doNotAskBox, {12, 174, 396, 20});
  add<ButtonBinding>(m.analyzeFirstButton, {130, 212, 96, 26});
  // Enter cleans, as the button that was pressed to get here asked.
  add<ButtonBinding>(m.cleanButton, {232, 212, 86, 26}, true);
  add<ButtonBinding>(m.cancelButton, {322, 212, 86, 26});
}

LRESULT CleanAllConfirmDialogView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // Esc, as the dialog keys send it.
  if (message == WM_COMMAND && LOWORD(wParam) == IDCANCEL) {
    model_.cancelButton.click();
    return 0;
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
