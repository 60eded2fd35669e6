#include "main/app/rules_wiring.h"

#include "main/clean/plugin_cleaner.h"
#include "main/clean/windows_cleaner.h"

namespace vorn {

void wireCleaningRules(MainWindow& w, AppServices& services, Subsystems& s) {
  const std::string& folder = s.programFolder;
  s.rules = std::make_unique<CleaningRulesParts>();
  CleaningRulesParts& parts = *s.rules;
  // Keys left alone are listed in the report; the recorder is wired later.
  auto skipped = [&s](const std::string& target, const std::string& why) {
    if (s.recorder) s.recorder->skip(target, why);
  };
  // The cleaning acts through the engines' services, which an analysis records instead.
  platform::System& engines = services.engines();
  parts.user =
      std::make_unique<RuleCleaner>(engines, *s.engineRegistry, services.log, kUserRuleFile);
  parts.user->onSkipped = skipped;
  parts.garbage =
      std::make_unique<RuleCleaner>(engines, *s.engineRegistry, services.log, kGarbageRuleFile);
  parts.garbage->onSkipped = skipped;
  parts.list = std::make_unique<RuleList>(services.system.files, services.log, services.prompter,
                                          w.clean.ruleList, *parts.user, folder);

  MainWindow::LoadSteps& steps = w.loadSteps();
  RuleList& list = *parts.list;
  steps.fixPlugins = [plugins = steps.fixPlugins, &list] {
    runCommand(plugins);
    list.load();
  };
  RuleCleaner& user = *parts.user;
  RunFrame& frame = *s.frame;
  s.pluginCleaner->afterPlugins = [&frame, &user, &list](common::ErrorTrap* trap) {
    cleanRulesInFrame(frame, trap, user, list.ticked());
  };
  // Read at each run, so the delivered file is taken as it is on disk.
  RuleCleaner& garbage = *parts.garbage;
  s.windowsCleaner->additionalGarbage = [&garbage, folder] {
    garbage.load(folder + "\\" + kGarbageRuleFile);
    for (const CleaningRule* rule : garbage.detectedRules()) garbage.clean(*rule);
  };
}

}  // namespace vorn
