#pragma once
// Opera cleaning: the disk cache, the history (the window-state file is replaced by the
// clean one delivered in the program folder), the cookie file and the visited-address
// records.
#include <string>

#include "common/session_log.h"
#include "main/clean/option_boxes.h"
#include "main/clean/run_frame.h"
#include "main/clean/secure_remove.h"
#include "main/paths/path_values.h"
#include "platform/system.h"

namespace vorn {

// The window-state file without history, delivered in the program folder.
inline constexpr const char* kCleanOperaWindows = "opera.win";

class OperaCleaner {
 public:
  // `paths` and `safetyLevel` are read at each run; `programFolder` holds the clean
  // window-state file.
  OperaCleaner(platform::System& system, RunFrame& frame, OptionBoxes& boxes,
               SecureRemover& remover, const PathValues& paths, const std::string& safetyLevel,
               std::string programFolder);

  // "Clean Opera": the four option steps inside the Opera frame.
  void cleanOpera();
  void runSteps(common::ErrorTrap* trap);
  void setOwner(platform::OwnerWindow owner) { owner_ = owner; }

 private:
  platform::System& system_;
  RunFrame& frame_;
  OptionBoxes& boxes_;
  SecureRemover& remover_;
  const PathValues& paths_;
  const std::string& safetyLevel_;
  std::string folder_;
  platform::OwnerWindow owner_ = 0;
};

}  // namespace vorn
