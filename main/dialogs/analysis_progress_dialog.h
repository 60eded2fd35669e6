#pragma once
// "Analyze" / "Cleaning": shown while a run started from the window reads or cleans the
// disk and the registry, with how far it has come and a Cancel button. The main window
// takes no input meanwhile, and repaints.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ui/button.h"
#include "ui/label.h"
#include "ui/window_host.h"

namespace vorn {

class AnalysisProgressDialog : public ui::WindowModel {
 public:
  static constexpr const char* kCaption = "Analyze";
  static constexpr const char* kCleaningCaption = "Cleaning";

  explicit AnalysisProgressDialog(ui::WindowHost& windows);
  // Shows the window over `owner`, not cancelled: for an analysis, or for a cleaning.
  void open(ui::WindowModel& owner, bool cleaning = false);
  // "Analyzing Windows... 1,280 items read".
  void showProgress(const std::string& area, std::size_t itemsRead);
  // "Cleaning Windows... 1,204 items removed, 23.4 MB".
  void showCleaningProgress(const std::string& area, std::size_t itemsRemoved,
                            std::uint64_t bytesRemoved);
  // Closes the window once the run has ended; nothing when it is not open.
  void finish();
  bool isOpen() const { return open_; }
  // Whether the user asked to stop, by the button or the close box.
  bool cancelled() const { return cancelled_; }

  ui::Label progressLabel{"progressLabel"};
  ui::Button cancelButton{"cancelButton", "Cancel"};

 private:
  ui::WindowHost& windows_;
  bool cancelled_ = false, finishing_ = false, open_ = false;
};

}  // namespace vorn
