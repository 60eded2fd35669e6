#pragma once
// Plugs the cleaning rules into the main window: the user's winapp2.ini on the Plugins
// tab and in plugin cleaning, and the delivered garbage.ini behind "Additional Garbage".
#include <memory>

#include "main/app/wiring.h"
#include "main/clean/rule_cleaner.h"
#include "main/plugins/rule_list.h"

namespace vorn {

inline constexpr const char* kGarbageRuleFile = "garbage.ini";

struct CleaningRulesParts {
  std::unique_ptr<RuleCleaner> user, garbage;
  std::unique_ptr<RuleList> list;
};

// After the cleaning engines and the plugins are wired.
void wireCleaningRules(MainWindow& w, AppServices& services, Subsystems& s);

}  // namespace vorn
