#include "main/app/notice_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

NoticeDialogView::NoticeDialogView(NoticeDialog& m) {
  if (!create(NoticeDialog::kCaption, 500, 190, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME))
    return;
  HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 18, 18, 32, 32,
                              hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(
      icon, STM_SETICON,
      reinterpret_cast<WPARAM>(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION))), 0);
  add<LabelBinding>(m.supportedBrowsersLabel, {66, 16, 420, 32});
  add<LabelBinding>(m.closeBrowsersLabel, {66, 58, 420, 46});
  add<CheckBoxBinding>(m.doNotPromptBox, {66, 116, 250, 20});
  HWND ok = add<ButtonBinding>(m.okButton, {398, 150, 86, 26}, true).hwnd();
  setInitialFocus(ok);
  setCancelButton(ok);
}

}  // namespace vorn
