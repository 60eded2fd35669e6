#include "main/dialogs/analysis_report_dialog.h"

namespace vorn {

AnalysisReportDialog::AnalysisReportDialog(ui::WindowHost& windows)
    : ui::WindowModel(kCaption), windows_(windows) {
  closeButton.onClick = [this] { windows_.close(*this); };
}

void AnalysisReportDialog::open(const std::string& report, ui::WindowModel* owner) {
  reportText.setText(report);
  windows_.showModal(*this, owner);
}

}  // namespace vorn
