#include "main/clean/plugin_cleaner.h"

#include "common/run_error.h"
#include "common/settings.h"
#include "main/clean/plugin_definition.h"
#include "main/clean/removal_failures.h"

namespace vorn {

std::string definitionFileFor(const std::string& informationFile) {
  if (informationFile.empty()) return "1";
  return informationFile.substr(0, informationFile.size() - 1) + "1";
}

PluginCleaner::PluginCleaner(platform::Files& files, RegistryAccess& registry,
                             common::SessionLog& log, RunFrame& frame, std::string programFolder,
                             std::function<std::vector<std::string>()> tickedInformationFiles,
                             platform::TreeRemoval& removal)
    : files_(files),
      registry_(registry),
      log_(log),
      frame_(frame),
      folder_(std::move(programFolder)),
      ticked_(std::move(tickedInformationFiles)),
      removal_(removal) {}

void PluginCleaner::cleanPlugins() {
  frame_.runEngine(frames::kPlugins, [&](common::ErrorTrap* trap) {
    std::vector<std::string> plugins;
    frame_.statement(trap, [&] {
      if (ticked_) plugins = ticked_();
    });
    for (const std::string& info : plugins) {
      frame_.beginOption(info);
      frame_.statement(trap, [&] { pluginCleanFiles(definitionFileFor(info)); });
    }
    if (afterPlugins) afterPlugins(trap);
  });
}

void PluginCleaner::pluginCleanFiles(const std::string& definitionFile) {
  common::ErrorTrap trap(log_, "pluginCleanFiles");
  std::string text;
  bool opened = trap.runStep([&] {
    // Only a plain name: a definition file lies in the program folder and nowhere else.
    if (definitionFile.find_first_of("\\/:") != std::string::npos)
      throw common::RunError(common::errnum::kBadFileName);
    common::check(files_.readFile(folder_ + "\\" + definitionFile, text));
  });
  if (!opened) return;
  for (const std::string& entry : readDefinitionEntries(text))
    trap.runStep([&] { carryOut(trap, entry); });
}

void PluginCleaner::carryOut(common::ErrorTrap& trap, const std::string& entry) {
  const PluginEntry e = classifyEntry(entry);
  switch (e.kind) {
    case PluginEntry::Kind::Invalid:
      trap.record(common::errnum::kInvalidCall, e.problem);
      break;
    case PluginEntry::Kind::RegistryValue:
      registry_.deleteValue(platform::hkey::kCurrentUser, e.path, e.name);
      break;
    case PluginEntry::Kind::RegistryKey:
      registry_.deleteRegistryKey(platform::hkey::kCurrentUser, e.path);
      break;
    case PluginEntry::Kind::Comment:
      break;
    case PluginEntry::Kind::File:
      // Only ordinary files count: an entry naming a folder, or matching hidden or system
      // files alone, does nothing.
      if (common::fileExists(files_, e.path)) raiseRemovalFailures(removal_.removeMatching(e.path));
      break;
  }
}

}  // namespace vorn
