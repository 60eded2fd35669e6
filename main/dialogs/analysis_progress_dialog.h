#pragma once
// "Analyze": shown while an analysis reads the disk and the registry, with how far it has
// come and a Cancel button. The main window takes no input meanwhile.
#include <cstddef>
#include <string>

#include "ui/button.h"
#include "ui/label.h"
#include "ui/window_host.h"

namespace vorn {

class AnalysisProgressDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Analyze";

  explicit AnalysisProgressDialog(ui::WindowHost& windows);
  // Shows the window over `owner`, not cancelled.
  void open(ui::WindowModel& owner);
  // "Analyzing Windows... 1,280 items read".
  void showProgress(const std::string& area, std::size_t itemsRead);
  // Closes the window once the analysis has ended.
  void finish();
  // Whether the user asked to stop, by the button or the close box.
  bool cancelled() const { return cancelled_; }

  ui::Label progressLabel{"progressLabel"};
  ui::Button cancelButton{"cancelButton", "Cancel"};

 private:
  ui::WindowHost& windows_;
  bool cancelled_ = false, finishing_ = false;
};

}  // namespace vorn
