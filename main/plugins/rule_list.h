#pragma once
// The user's own cleaning rules on the Plugins tab: the entries of "winapp2.ini" beside
// the program that apply to this computer, each with a tick kept in a settings file of
// its own. An entry with a warning starts unticked and shows the warning when ticked.
#include <string>
#include <vector>

#include "common/session_log.h"
#include "main/clean/rule_cleaner.h"
#include "platform/files.h"
#include "ui/check_list_box.h"
#include "ui/prompter.h"

namespace vorn {

inline constexpr const char* kUserRuleFile = "winapp2.ini";
inline constexpr const char* kRuleTicksFile = "winapp2-ticks.ini";
inline constexpr const char* kRuleTicksSection = "Ticks";

class RuleList {
 public:
  RuleList(platform::Files& files, common::SessionLog& log, ui::Prompter& prompter,
           ui::CheckListBox& list, RuleCleaner& cleaner, std::string programFolder);

  // Reads the rule file and lists the entries that apply here, ticked as last saved (an
  // entry never saved: ticked, unless it has a warning).
  void load();
  // The ticked entries, in list order; valid until the next load.
  std::vector<const CleaningRule*> ticked() const;

 private:
  void tickChanged(int index);
  void saveTicks();

  platform::Files& files_;
  common::SessionLog& log_;
  ui::Prompter& prompter_;
  ui::CheckListBox& list_;
  RuleCleaner& cleaner_;
  std::string folder_;
  std::vector<const CleaningRule*> shown_;
  bool loading_ = false;
};

}  // namespace vorn
