#pragma once
// The view of "Internet Explorer Cookies".
#include "main/dialogs/ie_cookies_dialog.h"
#include "main/dialogs/keep_list_dialog_view_win32.h"

namespace vorn {

class IECookiesDialogView : public KeepListDialogView {
 public:
  explicit IECookiesDialogView(IECookiesDialog& model);
};

}  // namespace vorn
