#include "main/userdef/user_defined_cleaner.h"

#include "common/error_trap.h"
#include "common/full_path.h"
#include "common/run_error.h"
#include "main/clean/removal_failures.h"
#include "main/paths/protected_folders.h"
#include "main/userdef/user_lists.h"
#include "platform/dir_lookup.h"

namespace vorn {

UserDefinedCleaner::UserDefinedCleaner(platform::System& system, common::SessionLog& log,
                                       RunFrame& frame, OptionBoxes& boxes,
                                       std::string programFolder)
    : system_(system), log_(log), frame_(frame), boxes_(boxes), folder_(std::move(programFolder)) {}

void UserDefinedCleaner::cleanUserDefined() {
  frame_.runEngine(frames::kUserDefined, [&](common::ErrorTrap* trap) {
    for (int index = 0; index < kUserDefinedLists; ++index)
      if (boxes_.checked(area::kUserDefined, index))
        frame_.optionStep(trap, area::kUserDefined, index, [&] { removeUserdefinedSel(index); });
  });
}

void UserDefinedCleaner::removeUserdefinedSel(int index) {
  common::ErrorTrap trap(log_, "removeUserdefinedSel");
  const std::string file = folder_ + "\\" + userDefinedListFile(index + 1);
  std::vector<std::string> entries;
  if (!trap.runStep([&] { entries = readUserDefinedList(system_.files, file); })) return;
  for (const std::string& entry : entries) {
    if (entry.empty()) continue;
    // A hand-edited list may hold anything; only a full path names a place to clean.
    // Anything else would be taken from the current folder, the program's own.
    const common::PathProblem problem = common::fullPathProblem(entry);
    if (problem != common::PathProblem::None) {
      const std::string why = "skipped: " + common::pathProblemText(problem);
      log_.writeLog("removeUserdefinedSel", 0, 0,
                    userDefinedListFile(index + 1) + " entry \"" + common::printableEntry(entry) +
                        "\" " + why);
      if (onEntrySkipped) onEntrySkipped(common::printableEntry(entry), why);
      continue;
    }
    trap.runStep([&] { removeEntry(entry); });
  }
}

namespace {

bool isPattern(const std::string& entry) {
  const std::size_t name = entry.find_last_of("\\/");
  return entry.find_first_of("*?", name == std::string::npos ? 0 : name) != std::string::npos;
}

}  // namespace

void UserDefinedCleaner::removeEntry(const std::string& entry) {
  if (entry.empty()) return;
  // Present: the lookup that includes folders finds something (not hidden or system
  // items alone). Absent entries go silently.
  platform::ErrorCode error = platform::err::kSuccess;
  const auto hit =
      platform::firstDirEntry(system_.files, entry, platform::dirmask::kDirectory, error);
  if (!hit) return;
  frame_.setStatus("Removing User.def " + entry);
  platform::TreeRemoval& removal = system_.removal;
  if (isPattern(entry)) {
    // Only the matching files; sub-folders stay whatever their names.
    raiseRemovalFailures(removal.removeMatching(entry));
    return;
  }
  std::uint32_t attributes = 0;
  common::check(system_.files.getAttributes(entry, attributes));
  if (attributes & platform::attr::kDirectory) {
    requireCleanableFolder(system_, entry);
    raiseRemovalFailures(removal.removeFolder(entry));
  } else {
    raiseRemovalFailures(removal.removeMatching(entry));
  }
}

}  // namespace vorn
