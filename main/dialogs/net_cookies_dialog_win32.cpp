#include "main/dialogs/net_cookies_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/list_box_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

NetCookiesDialogView::NetCookiesDialogView(NetCookiesDialog& m) {
  if (!create(NetCookiesDialog::kCaption, 540, 420, WS_POPUP | WS_CAPTION | WS_SYSMENU)) return;
  const int left = 10, width = 520, buttonX = left + width - 90;
  addBar_ = &add<ToolbarBinding>(m.addToolbar, {left, 6, 80, 26}, actionPictures());
  removeBar_ = &add<ToolbarBinding>(m.removeToolbar, {left + 84, 6, 96, 26}, actionPictures());
  // Cookie records are tab-separated fields; tab stops keep them in columns.
  createCaption(hwnd(), "All Netscape Cookies", {left, 42, 300, 16});
  add<ListBoxBinding>(m.allCookiesList, {left, 60, width, 124}, DWORD{LBS_USETABSTOPS});
  add<ButtonBinding>(m.addButton, {buttonX, 190, 90, 26});
  createCaption(hwnd(), "Excluded from cleaning", {left, 222, 300, 16});
  add<ListBoxBinding>(m.keptCookiesList, {left, 240, width, 108}, DWORD{LBS_USETABSTOPS});
  add<ButtonBinding>(m.deleteButton, {buttonX, 354, 90, 26});
  add<ButtonBinding>(m.okButton, {buttonX - 96, 388, 90, 26}, true);
  add<ButtonBinding>(m.cancelButton, {buttonX, 388, 90, 26});
}

LRESULT NetCookiesDialogView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  // A toolbar's WM_COMMAND carries the button's command id, not the control's.
  if (message == WM_COMMAND && lParam != 0) {
    for (ToolbarBinding* bar : {addBar_, removeBar_}) {
      if (bar && reinterpret_cast<HWND>(lParam) == bar->hwnd()) {
        bar->buttonCommand(LOWORD(wParam));
        return 0;
      }
    }
  }
  return Form::handleMessage(message, wParam, lParam);
}

}  // namespace vorn
