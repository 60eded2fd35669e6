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
    open_ = false;
  };
}

void AnalysisProgressDialog::open(ui::WindowModel& owner, bool cleaning) {
  cancelled_ = finishing_ = false;
  setCaption(cleaning ? kCleaningCaption : kCaption);
  cancelButton.setEnabled(true);
  progressLabel.setCaption(cleaning ? "Cleaning..." : "Analyzing...");
  open_ = true;
  windows_.showOver(*this, owner);
}

void AnalysisProgressDialog::showProgress(const std::string& area, std::size_t itemsRead) {
  if (cancelled_) return;
  progressLabel.setCaption("Analyzing " + area + "... " + countText(itemsRead) + " items read");
}

void AnalysisProgressDialog::showCleaningProgress(const std::string& area, std::size_t itemsRemoved,
                                                  std::uint64_t bytesRemoved) {
  if (cancelled_) return;
  progressLabel.setCaption("Cleaning " + area + "... " + countText(itemsRemoved) +
                           (itemsRemoved == 1 ? " item" : " items") + " removed, " +
                           sizeText(bytesRemoved));
}

void AnalysisProgressDialog::finish() {
  if (!open_) return;
  finishing_ = true;
  open_ = false;
  windows_.close(*this);
}

}  // namespace vorn
