#include "main/app/frm_tip1_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/check_box_binding.h"
#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

FrmTip1View::FrmTip1View(FrmTip1& m) {
  if (!create(FrmTip1::kCaption, 500, 190, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME))
    return;
  HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 18, 18, 32, 32,
                              hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  SendMessageA(
      icon, STM_SETICON,
      reinterpret_cast<WPARAM>(LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_INFORMATION))), 0);
  add<LabelBinding>(m.lblSupported, {66, 16, 420, 32});
  add<LabelBinding>(m.lblClose, {66, 58, 420, 46});
  add<CheckBoxBinding>(m.chkLoadTipsAtStartup, {66, 116, 250, 20});
  add<ButtonBinding>(m.cmdOK, {398, 150, 86, 26}, true);
}

FrmSplashView::FrmSplashView(FrmSplash& m) : model_(m) {
  if (!create("", 380, 210, WS_POPUP | WS_BORDER)) return;
  createFrame(hwnd(), "", {10, 4, 360, 196});
  HWND icon = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | SS_ICON, 30, 34, 32, 32,
                              hwnd(), nullptr, GetModuleHandleA(nullptr), nullptr);
  HICON program = LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(1));
  SendMessageA(
      icon, STM_SETICON,
      reinterpret_cast<WPARAM>(
          program ? program : LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION))),
      0);
  LOGFONTA lf{};
  GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof lf, &lf);
  lf.lfHeight = -30;
  lf.lfWeight = FW_BOLD;
  titleFont_ = CreateFontIndirectA(&lf);
  auto& title = add<LabelBinding>(m.lblProduct, {84, 32, 270, 40});
  SendMessageA(title.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
  add<LabelBinding>(m.lblVersion, {86, 84, 270, 18});
  add<LabelBinding>(m.lblCredit, {30, 150, 330, 32});
}

FrmSplashView::~FrmSplashView() {
  if (titleFont_) DeleteObject(titleFont_);
}

LRESULT FrmSplashView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A key or a click closes the splash early.
  if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN) {
    model_.dismiss();
    return 0;
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
