#pragma once
// The view of the "Clean All" question.
#include "main/dialogs/clean_all_confirm_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class CleanAllConfirmDialogView : public ui::win32::Form {
 public:
  explicit CleanAllConfirmDialogView(CleanAllConfirmDialog& model);
};

}  // namespace vorn
