#pragma once
// The view of "Netscape Cookies".
#include "main/dialogs/net_cookies_dialog.h"
#include "ui/win32/form.h"
#include "ui/win32/toolbar_binding.h"

namespace vorn {

class NetCookiesDialogView : public ui::win32::Form {
 public:
  explicit NetCookiesDialogView(NetCookiesDialog& model);

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ui::win32::ToolbarBinding* addBar_ = nullptr;
  ui::win32::ToolbarBinding* removeBar_ = nullptr;
};

}  // namespace vorn
