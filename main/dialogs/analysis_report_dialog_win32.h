#pragma once
// The view of "Analysis".
#include "main/dialogs/analysis_report_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class AnalysisReportDialogView : public ui::win32::Form {
 public:
  explicit AnalysisReportDialogView(AnalysisReportDialog& model);
};

}  // namespace vorn
