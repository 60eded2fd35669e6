#include "main/plugins/rule_list.h"

#include "common/error_trap.h"
#include "common/file_replace.h"
#include "common/ini_text.h"
#include "common/run_error.h"
#include "platform/wildcard.h"

namespace vorn {
namespace {

// A name the settings format can hold as a key; other entries keep no saved tick.
bool savableName(const std::string& name) {
  return name.find_first_of("=\r\n") == std::string::npos && name[0] != '[' && name[0] != ';';
}

}  // namespace

RuleList::RuleList(platform::Files& files, common::SessionLog& log, ui::Prompter& prompter,
                   ui::CheckListBox& list, RuleCleaner& cleaner, std::string programFolder)
    : files_(files),
      log_(log),
      prompter_(prompter),
      list_(list),
      cleaner_(cleaner),
      folder_(std::move(programFolder)) {
  list_.onItemCheck = [this](int index) { tickChanged(index); };
}

void RuleList::load() {
  loading_ = true;
  list_.clear();
  shown_.clear();
  cleaner_.load(folder_ + "\\" + kUserRuleFile);
  shown_ = cleaner_.detectedRules();
  std::string ticks;
  files_.readFile(folder_ + "\\" + kRuleTicksFile, ticks);
  for (std::size_t n = 0; n < shown_.size(); ++n) {
    const CleaningRule& r = *shown_[n];
    list_.addItem(r.name);
    const auto saved =
        savableName(r.name) ? common::iniLookup(ticks, kRuleTicksSection, r.name) : std::nullopt;
    const bool tick = saved ? platform::equalsIgnoreCase(*saved, "True") : !r.hasWarning;
    list_.setChecked(static_cast<int>(n), tick);
  }
  loading_ = false;
}

std::vector<const CleaningRule*> RuleList::ticked() const {
  std::vector<const CleaningRule*> out;
  for (std::size_t n = 0; n < shown_.size(); ++n)
    if (list_.checked(static_cast<int>(n))) out.push_back(shown_[n]);
  return out;
}

void RuleList::tickChanged(int index) {
  if (loading_ || index < 0 || index >= static_cast<int>(shown_.size())) return;
  const CleaningRule& r = *shown_[static_cast<std::size_t>(index)];
  if (list_.checked(index) && r.hasWarning) {
    const ui::Answer a =
        prompter_.messageBox(r.warning + "\r\n\r\nClean \"" + r.name + "\" anyway?", "Warning",
                             ui::mb::kOkCancel | ui::mb::kIconWarning | ui::mb::kDefaultButton2);
    if (a != ui::Answer::Ok) {
      loading_ = true;  // the untick below is the answer, not another change to ask about
      list_.setChecked(index, false);
      loading_ = false;
      return;
    }
  }
  saveTicks();
}

// Every tick in one replacement of the file: a failed save leaves the old ticks whole.
void RuleList::saveTicks() {
  std::string text = std::string("[") + kRuleTicksSection + "]\r\n";
  for (std::size_t n = 0; n < shown_.size(); ++n)
    if (savableName(shown_[n]->name))
      text +=
          shown_[n]->name + "=" + (list_.checked(static_cast<int>(n)) ? "True" : "False") + "\r\n";
  common::ErrorTrap trap(log_, "saveRuleTicks");
  trap.run([&] {
    common::check(common::replaceFileContents(files_, folder_ + "\\" + kRuleTicksFile, text));
  });
}

}  // namespace vorn
