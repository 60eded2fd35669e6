#pragma once
// Carries out cleaning rules (main/clean/cleaning_rules.h) on the running system: which
// entries apply here, and the removal of what an entry names. Files go through the
// removal service only, which never follows a link; registry keys and values only under
// HKEY_CURRENT_USER, as plugins; a recursive walk or a folder's own removal never starts
// at a protected folder.
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/error_trap.h"
#include "common/session_log.h"
#include "main/clean/cleaning_rules.h"
#include "main/clean/run_frame.h"
#include "main/platform/registry_access.h"
#include "platform/system.h"

namespace vorn {

class RuleCleaner {
 public:
  // `label` heads the log records (the rule file's name).
  RuleCleaner(platform::System& system, RegistryAccess& registry, common::SessionLog& log,
              std::string label);

  // Reads a rule file; what it skipped is logged with its line. A missing file holds no
  // rules and logs nothing.
  void load(const std::string& path);
  void setRules(RuleFile file);
  const std::vector<CleaningRule>& rules() const { return rules_; }

  // Whether the entry's Detect (a key exists), DetectFile (a file or folder exists) and
  // DetectOS (the system's version lies in the range) all hold; a group it lacks holds.
  bool detected(const CleaningRule& rule);
  // The entries that apply here, in file order.
  std::vector<const CleaningRule*> detectedRules();

  // Removes what the entry names, its exclusions spared. Each key that cannot act (a
  // folder name the system lacks, a protected folder, another registry root) is logged
  // and skipped; the entry's other keys still act.
  void clean(const CleaningRule& rule);

  // A registry key or value the entry names that is left alone, and why; the cleaning
  // report lists it as not removed.
  std::function<void(const std::string& target, const std::string& why)> onSkipped;

  // The folder an environment name stands for on the running system, without a trailing
  // "\"; empty where it has none.
  std::string folderOf(const std::string& name);

 private:
  std::string expand(const std::string& path, std::string& missing);
  struct Excludes;
  void cleanFileKey(const Excludes& ex, const CleaningRule& rule, const RuleFileKey& key);
  void cleanRegKey(common::ErrorTrap& trap, const Excludes& ex, const CleaningRule& rule,
                   const RuleRegistryPath& key);
  void skip(common::ErrorTrap& trap, const std::string& target, const std::string& why);

  platform::System& system_;
  RegistryAccess& registry_;
  common::SessionLog& log_;
  std::string label_;
  std::vector<CleaningRule> rules_;
  std::map<std::string, std::string> folders_;  // looked-up names, upper case
};

// Cleans each entry inside a run frame, under its own name, so the analysis and the
// report list what it removes under that name.
void cleanRulesInFrame(RunFrame& frame, common::ErrorTrap* trap, RuleCleaner& cleaner,
                       const std::vector<const CleaningRule*>& rules);

}  // namespace vorn
