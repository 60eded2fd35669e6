#include "main/dialogs/net_cookies_dialog_win32.h"

#include "ui/win32/list_box_binding.h"

namespace vorn {

using namespace ui::win32;

NetCookiesDialogView::NetCookiesDialogView(NetCookiesDialog& m) {
  if (!createWithBars(NetCookiesDialog::kCaption, 540, 420, m.addToolbar, m.removeToolbar)) return;
  const int left = 10, width = 520;
  // Cookie records are tab-separated fields; tab stops keep them in columns.
  setInitialFocus(addCaptionedList<ListBoxBinding>("All &Netscape Cookies", m.allCookiesList,
                                                   m.addButton, {left, 60, width, 124},
                                                   Anchors::kWider, DWORD{LBS_USETABSTOPS})
                      .hwnd());
  addCaptionedList<ListBoxBinding>("&Excluded from cleaning", m.keptCookiesList, m.deleteButton,
                                   {left, 240, width, 108}, Anchors::kGrow, DWORD{LBS_USETABSTOPS});
  addOkCancel(m.okButton, m.cancelButton, left + width, 388);
}

}  // namespace vorn
