#include "main/dialogs/analysis_report_dialog_win32.h"

#include "ui/win32/button_binding.h"
#include "ui/win32/text_box_binding.h"

namespace vorn {

using namespace ui::win32;

AnalysisReportDialogView::AnalysisReportDialogView(AnalysisReportDialog& m) {
  if (!create(AnalysisReportDialog::kCaption, 600, 420,
              WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME))
    return;
  add<ReportTextBinding>(m.reportText, {10, 10, 580, 360});
  add<ButtonBinding>(m.closeButton, {504, 382, 86, 26}, true);
}

}  // namespace vorn
