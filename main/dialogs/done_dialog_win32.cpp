#include "main/dialogs/done_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/label_binding.h"

namespace vorn {

using namespace ui::win32;

DoneDialogView::DoneDialogView(DoneDialog& m) {
  if (!create(DoneDialog::kCaption, 380, 132, WS_POPUP | WS_CAPTION | WS_SYSMENU)) return;
  // The information icon of the system's own message boxes.
  HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 14, 14, 32, 32,
                              hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(icon, STM_SETICON, reinterpret_cast<WPARAM>(LoadIconA(nullptr, IDI_INFORMATION)), 0);
  add<LabelBinding>(m.messageLabel, {60, 14, 306, 60});
  ButtonBinding& ok = add<ButtonBinding>(m.okButton, {190, 90, 84, 26}, true);
  add<ButtonBinding>(m.detailsButton, {282, 90, 84, 26});
  setInitialFocus(ok.hwnd());
  setCancelButton(ok.hwnd());  // Esc closes, as OK does
}

}  // namespace vorn
