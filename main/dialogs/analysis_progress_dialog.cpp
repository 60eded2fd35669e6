#include "main/dialogs/analysis_progress_dialog.h"

#include "main/clean/cleaning_report.h"

namespace vorn {

AnalysisProgressDialog::AnalysisProgressDialog(ui::WindowHost& windows)
    : ui::WindowModel(kCaption), windows_(windows) {
  cancelButton.onClick = [this] {
    cancelled_ = true;
    cancelButton.setEnabled(false);
    progressLabel.setCaption("Cancelling...");
  };
  // The close box asks the same as the button; closing from code at the end does not.
  onUnload = [this] {
    if (!finishing_) cancelled_ = true;
  };
}

void AnalysisProgressDialog::open(ui::WindowModel& owner) {
  cancelled_ = finishing_ = false;
  cancelButton.setEnabled(true);
  progressLabel.setCaption("Analyzing...");
  windows_.showOver(*this, owner);
}

void AnalysisProgressDialog::showProgress(const std::string& area, std::size_t itemsRead) {
  if (cancelled_) return;
  progressLabel.setCaption("Analyzing " + area + "... " + countText(itemsRead) + " items read");
}

void AnalysisProgressDialog::finish() {
  finishing_ = true;
  windows_.close(*this);
}

}  // namespace vorn
