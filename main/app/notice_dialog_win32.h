#pragma once
// The notice dialog's view.
#include "main/app/notice_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class NoticeDialogView : public ui::win32::Form {
 public:
  explicit NoticeDialogView(NoticeDialog& model);
};

}  // namespace vorn
