#pragma once
// The view of the done message.
#include "main/dialogs/done_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class DoneDialogView : public ui::win32::Form {
 public:
  explicit DoneDialogView(DoneDialog& model);
};

}  // namespace vorn
