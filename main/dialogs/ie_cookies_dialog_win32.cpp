#include "main/dialogs/ie_cookies_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/file_list_binding.h"
#include "ui/win32/list_box_binding.h"
#include "ui/win32/panel.h"

namespace vorn {

using namespace ui::win32;

namespace {

// "Cookie Information": a read-only edit of several lines showing the model's text.
class CookieTextBinding : public ControlBinding {
 public:
  CookieTextBinding(ui::TextBox& model, HWND parent, int id, Rect place)
      : ControlBinding(model, parent, id, "EDIT",
                       ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | ES_LEFT, place,
                       WS_EX_CLIENTEDGE) {}
};

}  // namespace

IECookiesDialogView::IECookiesDialogView(IECookiesDialog& m) {
  if (!create(IECookiesDialog::kCaption, 560, 470, WS_POPUP | WS_CAPTION | WS_SYSMENU)) return;
  const int left = 10, column = 265, right = left + column + 10;
  addBar_ = &add<ToolbarBinding>(m.addToolbar, {left, 6, 80, 26}, actionPictures());
  removeBar_ = &add<ToolbarBinding>(m.removeToolbar, {left + 84, 6, 96, 26}, actionPictures());
  createCaption(hwnd(), "All Internet Explorer Cookies", {left, 42, column, 16});
  add<FileListBinding>(m.cookieFiles, {left, 60, column, 176});
  add<ButtonBinding>(m.addButton, {left + column - 90, 242, 90, 26});
  createCaption(hwnd(), "Excluded from cleaning", {right, 42, column, 16});
  add<ListBoxBinding>(m.keptCookiesList, {right, 60, column, 176});
  add<ButtonBinding>(m.deleteButton, {right + column - 90, 242, 90, 26});
  createCaption(hwnd(), "Cookie Information", {left, 276, 300, 16});
  add<CookieTextBinding>(m.cookieInfoBox, {left, 294, column * 2 + 10, 100});
  add<ButtonBinding>(m.okButton, {right + column - 186, 404, 90, 26}, true);
  add<ButtonBinding>(m.cancelButton, {right + column - 90, 404, 90, 26});
}

LRESULT IECookiesDialogView::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
