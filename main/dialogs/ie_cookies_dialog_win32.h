#pragma once
// The view of "Internet Explorer Cookies".
#include "main/dialogs/ie_cookies_dialog.h"
#include "ui/win32/form.h"
#include "ui/win32/toolbar_binding.h"

namespace vorn {

class IECookiesDialogView : public ui::win32::Form {
 public:
  explicit IECookiesDialogView(IECookiesDialog& model);

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  ui::win32::ToolbarBinding* addBar_ = nullptr;
  ui::win32::ToolbarBinding* removeBar_ = nullptr;
};

}  // namespace vorn
