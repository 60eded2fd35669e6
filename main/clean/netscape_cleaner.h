#pragma once
// Netscape cleaning for the chosen user profile: the disk cache, the history file, the
// cookies (the keep list becomes the whole new cookie file) and the typed addresses of
// the preferences file.
#include <functional>
#include <string>

#include "common/session_log.h"
#include "main/auto/automatic_state.h"
#include "main/clean/option_boxes.h"
#include "main/clean/run_frame.h"
#include "main/clean/secure_remove.h"
#include "main/dialogs/keep_list_file.h"
#include "main/paths/path_values.h"
#include "platform/system.h"
#include "main/clean/application_title.h"
#include "ui/prompter.h"

namespace vorn {

// A preferences line holding this (case-sensitive) records one typed address.
inline constexpr const char* kTypedAddressMarker = "user_pref(\"browser.url_history.URL";
inline constexpr const char* kTempPathError = "Error getting temporary file path.";
inline constexpr const char* kTempNameError = "Error getting temporary file name.";

// The preferences text without its typed-address lines, every kept line ended by CR LF.
// Any bytes are taken; `dropped` (may be null) gets the number of lines left out.
std::string withoutTypedAddresses(const std::string& preferences, int* dropped = nullptr);

// Creates an empty file of a name no file in `folder` has yet ("tmpXXXX.tmp", as the
// system's temporary names are formed) and returns its full path; empty when none could
// be created.
std::string createTemporaryFile(platform::Files& files, platform::Clock& clock,
                                const std::string& folder);

class NetscapeCleaner {
 public:
  // `paths` and `safetyLevel` are read at each run. `programFolder` holds the keep list.
  NetscapeCleaner(platform::System& system, common::SessionLog& log, ui::Prompter& prompter,
                  RunFrame& frame, OptionBoxes& boxes, SecureRemover& remover,
                  const AutomaticCleaningState& automatic, const PathValues& paths,
                  const std::string& safetyLevel, std::string programFolder);

  // "Clean Netscape": the four option steps inside the Netscape frame.
  void cleanNetscape();
  void runSteps(common::ErrorTrap* trap);

  // Removes the typed-address lines from one preferences file. A missing temporary
  // folder or name is told in a message box and leaves the file as it is. The new text
  // is written whole to a temporary file first and only then moved over the old file in
  // one step, so the preferences are never lost on the way. Other failures raise.
  void clearUrlHistory(const std::string& preferencesFile);

  // The profile folder the run works on: the current Users folder and user joined.
  std::string profileFolder() const;
  void setOwner(platform::OwnerWindow owner) { owner_ = owner; }

 private:
  platform::System& system_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  RunFrame& frame_;
  OptionBoxes& boxes_;
  SecureRemover& remover_;
  const AutomaticCleaningState& automatic_;
  const PathValues& paths_;
  const std::string& safetyLevel_;
  std::string folder_;
  platform::OwnerWindow owner_ = 0;
};

}  // namespace vorn
