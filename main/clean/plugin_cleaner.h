#pragma once
// Plugin cleaning: carries out the definition file of every ticked plugin inside the
// plugins' run frame.
#include <functional>
#include <string>
#include <vector>

#include "common/error_trap.h"
#include "common/session_log.h"
#include "main/clean/run_frame.h"
#include "main/platform/registry_access.h"
#include "platform/files.h"
#include "platform/tree_removal.h"
#include "platform/win_types.h"

namespace vorn {

// The definition file that goes with an information file: the same name with its last
// character changed to "1" ("tool2.cp2" gives "tool2.cp1").
std::string definitionFileFor(const std::string& informationFile);

class PluginCleaner {
 public:
  // `tickedInformationFiles` gives, at each run, the information file names of the ticked
  // plugins in list order. File entries go through `removal`, which takes matching files
  // only and never follows a link.
  PluginCleaner(platform::Files& files, RegistryAccess& registry, common::SessionLog& log,
                RunFrame& frame, std::string programFolder,
                std::function<std::vector<std::string>()> tickedInformationFiles,
                platform::TreeRemoval& removal);

  // "Clean Plugins": every ticked plugin, inside the plugins' frame. "Clean All" and the
  // automatic cleaning call it too.
  void cleanPlugins();
  // Carries out one definition file of the program folder, entry by entry. Errors are
  // logged under "pluginCleanFiles" and the next entry follows.
  void pluginCleanFiles(const std::string& definitionFile);

  // Runs after the ticked plugins inside the same frame (the user's cleaning rules).
  std::function<void(common::ErrorTrap* trap)> afterPlugins;

 private:
  void carryOut(common::ErrorTrap& trap, const std::string& entry);

  platform::Files& files_;
  RegistryAccess& registry_;
  common::SessionLog& log_;
  RunFrame& frame_;
  std::string folder_;
  std::function<std::vector<std::string>()> ticked_;
  platform::TreeRemoval& removal_;
};

}  // namespace vorn
