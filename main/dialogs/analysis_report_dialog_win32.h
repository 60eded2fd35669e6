#pragma once
// The view of "Analysis": a virtual list of the items, laid out anew when resized.
#include "main/dialogs/analysis_report_dialog.h"
#include "ui/win32/form.h"

namespace vorn {

class AnalysisReportDialogView : public ui::win32::Form {
 public:
  explicit AnalysisReportDialogView(AnalysisReportDialog& model);
  ~AnalysisReportDialogView() override;

 protected:
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void layOut(int width, int height);
  bool askSaveTarget(bool csvOffered, AnalysisReportDialog::SaveChoice& choice);

  AnalysisReportDialog& model_;
  HWND heading_ = nullptr, body_ = nullptr, totals_ = nullptr, saveAs_ = nullptr, close_ = nullptr;
};

}  // namespace vorn
