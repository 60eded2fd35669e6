#pragma once
// "Analysis": what a cleaning of the ticked options would remove, read-only.
#include <string>

#include "ui/button.h"
#include "ui/text_box.h"
#include "ui/window_host.h"

namespace vorn {

class AnalysisReportDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Analysis";

  explicit AnalysisReportDialog(ui::WindowHost& windows);
  // Shows `report` modal over `owner`.
  void open(const std::string& report, ui::WindowModel* owner);

  ui::TextBox reportText{"reportText"};
  ui::Button closeButton{"closeButton", "Close"};

 private:
  ui::WindowHost& windows_;
};

}  // namespace vorn
