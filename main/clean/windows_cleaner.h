#pragma once
// Cleaning of Windows' own traces: recent documents, Downloaded Program Files, the
// temporary folder, the Recycle Bin, check-disk fragments and the Run and Find histories.
#include <functional>
#include <optional>
#include <string>

#include "common/session_log.h"
#include "main/clean/option_boxes.h"
#include "main/clean/run_frame.h"
#include "main/paths/path_values.h"
#include "main/platform/registry_access.h"
#include "platform/system.h"

namespace vorn {

inline constexpr const char* kRunMruKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RunMRU";
inline constexpr const char* kFindMruKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Doc Find Spec MRU";

// The value name of entry n of an MRU list: 1 to 20 give "a" to "t"; any other n gives
// the empty name, the key's unnamed default value.
std::string mruValueName(int n);

// Removes, through the removal service, the ordinary files matching `pattern` (a folder
// and a name that may hold wildcards) whose last change lies at least `days` calendar
// days before the reference: now, or `referenceDate` cut to midnight. Read-only files
// go too. A file that refuses (in use, a link) stays and the others still go. True when
// at least one file matched and nothing was left in place; false when nothing matched,
// when the reference is no real date, or when something stayed (`report` then says what
// and why).
bool deleteFilesOlderThan(platform::TreeRemoval& removal, platform::Clock& clock, int days,
                          const std::string& pattern,
                          std::optional<platform::LocalTime> referenceDate = std::nullopt,
                          platform::RemovalReport* report = nullptr);

// Empties the Recycle Bin of `root` ("" for every drive) without asking, then lets
// pending window messages run once. Failures are logged under "EmptyBitBucket".
void EmptyBitBucket(platform::Shell& shell, common::SessionLog& log, platform::OwnerWindow owner,
                    const std::string& root, const std::function<void()>& doEvents);

class WindowsCleaner {
 public:
  // `paths` is read at each run, so a saved path change counts at once. `doEvents` lets
  // pending window messages run (the window's; may be empty).
  WindowsCleaner(platform::System& system, RegistryAccess& registry, common::SessionLog& log,
                 RunFrame& frame, OptionBoxes& boxes, const PathValues& paths,
                 platform::OwnerWindow owner = 0, std::function<void()> doEvents = {});

  // "Clean Windows": the eight option steps inside the Windows frame.
  void cleanWindows();
  // The steps alone, under the given trap (the frame's handler).
  void runSteps(common::ErrorTrap* trap);
  // The window that owns the shell's own windows, once the main window exists.
  void setOwner(platform::OwnerWindow owner) { owner_ = owner; }
  // What "Additional Garbage" removes (the delivered rule file's entries); nothing when
  // empty.
  std::function<void()> additionalGarbage;

 private:
  // The ordinary files `pattern` matches; whatever stays is raised once at the end.
  void deleteMatching(const std::string& pattern);
  void clearMru(const char* key);

  platform::System& system_;
  RegistryAccess& registry_;
  common::SessionLog& log_;
  RunFrame& frame_;
  OptionBoxes& boxes_;
  const PathValues& paths_;
  platform::OwnerWindow owner_;
  std::function<void()> doEvents_;
};

}  // namespace vorn
