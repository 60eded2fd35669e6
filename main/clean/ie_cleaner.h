#pragma once
// Cleaning of Internet Explorer's traces: the cache and history (through the browser's
// own means, then the files), the cookies not on the keep list, the typed addresses, and
// the run-once entries that have the boot-time remover take the locked index files.
#include <functional>
#include <string>
#include <vector>

#include "common/error_trap.h"
#include "common/session_log.h"
#include "common/settings.h"
#include "main/clean/option_boxes.h"
#include "main/clean/run_frame.h"
#include "main/clean/secure_remove.h"
#include "main/paths/path_values.h"
#include "main/platform/registry_access.h"
#include "platform/system.h"
#include "ui/file_list.h"

namespace vorn {

inline constexpr const char* kTypedUrlsKey = "Software\\Microsoft\\Internet Explorer\\TypedURLs";
inline constexpr const char* kRunOnceKey =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\RunOnce";
inline constexpr const char* kRunServicesOnceKey =
    "HKEY_LOCAL_MACHINE\\Software\\Microsoft\\Windows\\CurrentVersion\\RunServicesOnce";
inline constexpr const char* kRunOnceValueName = "String Value";

// What ShowInetProperties asks of the browser itself before its file steps: empty the
// cache (mode 1 or 2) and the history (mode 0 or 2), taking one progress step for each
// part. True when the Internet Properties dialog could be started.
using BrowserClearing = std::function<bool(int mode)>;

// The parts of the main window the engine reads: the keep list and the file list of the
// cookie folder.
struct IECleanerControls {
  const std::vector<std::string>& keepList;
  ui::FileList& cookieFiles;
};

class IECleaner {
 public:
  // `paths` and `safetyLevel` are read at each run. The cache and history folders are
  // read afresh from `iniPath` ([Path] IE1 and IE2) when their steps run.
  IECleaner(platform::System& system, RegistryAccess& registry, common::SessionLog& log,
            common::Settings& settings, RunFrame& frame, OptionBoxes& boxes,
            const PathValues& paths, SecureRemover& remover, IECleanerControls controls,
            std::string programFolder, std::function<std::string()> safetyLevel,
            BrowserClearing browserClearing);

  // What an analysis asks of the browser instead of its clearing: to list what the
  // clearing would empty, taking the same progress steps. Without one, an analysis only
  // takes the steps: the real clearing never runs in an analysis.
  void setBrowserListing(BrowserClearing listing) { browserListing_ = std::move(listing); }

  // "Clean IE": the four steps inside the Internet Explorer frame.
  void cleanIE();
  void runSteps(common::ErrorTrap* trap);

  // The browser's own clearing for `mode`, then the history folders (modes 0 and 2) and
  // the Temporary Internet Files with what is left in the cache's sub-folders (modes 1
  // and 2).
  bool showInetProperties(int mode);
  void removeHistoryFolders();
  void delTemporaryIF();
  void removeCookies();
  void scheduleIndexRemoval();

 private:
  std::string pathSetting(const std::string& key);
  // Removes the files directly in `folder` (ending in "\") that `take` accepts, each as
  // one statement of `trap`; the index and the folder's view settings stay.
  void removeCacheFiles(common::ErrorTrap& trap, const std::string& folder,
                        const std::function<bool(const platform::FindData&)>& take);

  platform::System& system_;
  RegistryAccess& registry_;
  common::SessionLog& log_;
  common::Settings& settings_;
  RunFrame& frame_;
  OptionBoxes& boxes_;
  const PathValues& paths_;
  SecureRemover& remover_;
  IECleanerControls controls_;
  std::string folder_;
  std::function<std::string()> safetyLevel_;
  BrowserClearing browserClearing_, browserListing_;
};

}  // namespace vorn
