#pragma once
// The view of "Netscape Cookies".
#include "main/dialogs/keep_list_dialog_view_win32.h"
#include "main/dialogs/net_cookies_dialog.h"

namespace vorn {

class NetCookiesDialogView : public KeepListDialogView {
 public:
  explicit NetCookiesDialogView(NetCookiesDialog& model);
};

}  // namespace vorn
