#pragma once
// The view of "Analyze", the analysis's progress window.
#include "main/dialogs/analysis_progress_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class AnalysisProgressDialogView : public ui::win32::Form {
 public:
  explicit AnalysisProgressDialogView(AnalysisProgressDialog& model);
};

}  // namespace vorn
