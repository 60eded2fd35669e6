#include "main/app/splash_window_win32.h"

#include "ui/win32/label_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

SplashWindowView::SplashWindowView(SplashWindow& m) : model_(m) {
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
  auto& title = add<LabelBinding>(m.productLabel, {84, 32, 270, 40});
  SendMessageA(title.hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_), FALSE);
  add<LabelBinding>(m.versionLabel, {86, 84, 270, 18});
  add<LabelBinding>(m.creditLabel, {30, 150, 330, 32});
}

SplashWindowView::~SplashWindowView() {
  if (titleFont_) DeleteObject(titleFont_);
}

LRESULT SplashWindowView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A key or a click closes the splash early.
  if (message == WM_KEYDOWN || message == WM_LBUTTONDOWN) {
    model_.dismiss();
    return 0;
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
