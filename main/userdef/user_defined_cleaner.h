#pragma once
// User-defined cleaning: removes what the ticked user-defined lists name, inside the
// user-defined run frame. Nothing is overwritten; removal is permanent and goes through
// the link-safe removal walk, so a link inside a listed folder is never followed.
#include <functional>
#include <string>

#include "common/session_log.h"
#include "main/clean/option_boxes.h"
#include "main/clean/run_frame.h"
#include "platform/system.h"

namespace vorn {

class UserDefinedCleaner {
 public:
  UserDefinedCleaner(platform::System& system, common::SessionLog& log, RunFrame& frame,
                     OptionBoxes& boxes, std::string programFolder);

  // "Clean User.def": every ticked list in order 1..4, one progress step each. "Clean All"
  // and the automatic cleaning call it too.
  void cleanUserDefined();
  // Removes every present entry of list `index` (0..3). A list file that is missing or
  // unreadable is skipped; that and every entry left in place are logged under
  // "removeUserdefinedSel", and the run goes on.
  void removeUserdefinedSel(int index);

  // Told of each entry refused before anything was asked of the system (one that is no
  // full path), with the reason; the run's report lists them.
  std::function<void(const std::string& entry, const std::string& why)> onEntrySkipped;

 private:
  void removeEntry(const std::string& entry);

  platform::System& system_;
  common::SessionLog& log_;
  RunFrame& frame_;
  OptionBoxes& boxes_;
  std::string folder_;
};

}  // namespace vorn
