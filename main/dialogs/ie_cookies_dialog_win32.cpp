#include "main/dialogs/ie_cookies_dialog_win32.h"

#include "ui/win32/file_list_binding.h"
#include "ui/win32/list_box_binding.h"

namespace vorn {

using namespace ui::win32;

namespace {

// "Cookie Information": a read-only edit of several lines showing the model's text.
class CookieTextBinding : public ControlBinding {
 public:
  CookieTextBinding(ui::TextBox& model, HWND parent, int id, Rect place)
      : ControlBinding(
            model, parent, id, "EDIT",
            WS_TABSTOP | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL | ES_LEFT, place,
            WS_EX_CLIENTEDGE) {}
};

}  // namespace

IECookiesDialogView::IECookiesDialogView(IECookiesDialog& m) {
  if (!createWithBars(IECookiesDialog::kCaption, 560, 470, m.addToolbar, m.removeToolbar)) return;
  const int left = 10, column = 265, right = left + column + 10;
  setInitialFocus(addCaptionedList<FileListBinding>("All Internet Explorer &Cookies", m.cookieFiles,
                                                    m.addButton, {left, 60, column, 176}, 0u)
                      .hwnd());
  addCaptionedList<ListBoxBinding>("&Excluded from cleaning", m.keptCookiesList, m.deleteButton,
                                   {right, 60, column, 176}, 0u);
  createCaption(hwnd(), "Cookie &Information", {left, 276, 300, 16});
  // A larger window gives the cookie's lines the room.
  anchors.add(add<CookieTextBinding>(m.cookieInfoBox, {left, 294, column * 2 + 10, 100}).hwnd(),
              Anchors::kGrow);
  addOkCancel(m.okButton, m.cancelButton, right + column, 404);
}

}  // namespace vorn
