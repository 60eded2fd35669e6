#include "main/clean/windows_cleaner.h"

#include <vector>

#include "common/error_trap.h"
#include "common/run_error.h"
#include "common/settings.h"
#include "main/clean/removal_failures.h"
#include "main/paths/protected_folders.h"
#include "platform/dir_lookup.h"
#include "platform/file_time.h"

namespace vorn {
namespace {

// A path value of "-" (folder not found) or an empty one names no folder: building a
// pattern on it would look in the current folder instead.
bool isFolder(const std::string& path) {
  return !path.empty() && path != kPathMissing;
}

bool isRealDate(const platform::LocalTime& t) {
  if (t.year < 100 || t.year > 9999 || t.month < 1 || t.month > 12 || t.day < 1) return false;
  platform::LocalTime next = platform::calendarFromFileTime(platform::fileTimeFromCalendar(t));
  return next.day == t.day && next.month == t.month;
}

long long dayNumber(const platform::LocalTime& t) {
  platform::LocalTime midnight{t.year, t.month, t.day};
  return static_cast<long long>(platform::fileTimeFromCalendar(midnight) /
                                (platform::kTicksPerSecond * 86400));
}

bool ordinary(const platform::FindData& d) {
  return platform::matchesDirMask(d.attributes, platform::dirmask::kNormal);
}

}  // namespace

std::string mruValueName(int n) {
  if (n < 1 || n > 20) return {};
  return std::string(1, static_cast<char>('a' + n - 1));
}

bool deleteFilesOlderThan(platform::TreeRemoval& removal, platform::Clock& clock, int days,
                          const std::string& pattern,
                          std::optional<platform::LocalTime> referenceDate,
                          platform::RemovalReport* report) {
  platform::LocalTime reference;
  if (referenceDate) {
    if (!isRealDate(*referenceDate)) return false;
    reference = {referenceDate->year, referenceDate->month, referenceDate->day};
  } else {
    reference = clock.now();
  }
  const long long referenceDay = dayNumber(reference);
  bool matched = false;
  const platform::RemovalReport removed =
      removal.removeSelected(pattern, [&](const platform::FindData& d) {
        if (!ordinary(d)) return false;
        matched = true;
        return referenceDay - dayNumber(clock.toLocal(d.modified)) >= days;
      });
  if (report) *report = removed;
  return matched && removed.complete();
}

void EmptyBitBucket(platform::Shell& shell, common::SessionLog& log, platform::OwnerWindow owner,
                    const std::string& root, const std::function<void()>& doEvents) {
  common::ErrorTrap trap(log, "EmptyBitBucket");
  // The shell's own result is of no use here: an empty bin reports a failure too.
  trap.run([&] { shell.emptyRecycleBin(owner, root); });
  trap.run([&] {
    if (doEvents) doEvents();
  });
}

WindowsCleaner::WindowsCleaner(platform::System& system, RegistryAccess& registry,
                               common::SessionLog& log, RunFrame& frame, OptionBoxes& boxes,
                               const PathValues& paths, platform::OwnerWindow owner,
                               std::function<void()> doEvents)
    : system_(system),
      registry_(registry),
      log_(log),
      frame_(frame),
      boxes_(boxes),
      paths_(paths),
      owner_(owner),
      doEvents_(std::move(doEvents)) {}

void WindowsCleaner::cleanWindows() {
  frame_.runEngine(frames::kWindows, [&](common::ErrorTrap* trap) { runSteps(trap); });
}

void WindowsCleaner::deleteMatching(const std::string& pattern) {
  raiseRemovalFailures(system_.removal.removeSelected(pattern, ordinary));
}

void WindowsCleaner::clearMru(const char* key) {
  for (int n = 0; n <= 20; ++n)
    registry_.deleteValue(platform::hkey::kCurrentUser, key, mruValueName(n));
}

void WindowsCleaner::runSteps(common::ErrorTrap* trap) {
  platform::Files& files = system_.files;
  auto step = [&](const char* option, bool guard, const std::function<void()>& body) {
    if (guard) frame_.optionStep(trap, option, body);
  };

  // A path setting that names a system folder skips its step with the reason logged.
  auto cleanable = [&](const std::string& folder) {
    if (!isFolder(folder)) return false;
    requireCleanableFolder(system_, folder);
    return true;
  };
  step("docHistory", boxes_.checked("docHistory"), [&] {
    if (cleanable(paths_.docHistoryFolder) && common::fileExists(files, paths_.docHistoryFolder + "*.*"))
      deleteMatching(paths_.docHistoryFolder + "*.*");
  });
  // Files and sub-folders go; links are removed as links or left, never followed.
  step("downloadedProgramFiles", boxes_.usable("downloadedProgramFiles"), [&] {
    if (cleanable(paths_.downloadedProgramFilesFolder) && common::fileExists(files, paths_.downloadedProgramFilesFolder + "*.*"))
      raiseRemovalFailures(system_.removal.emptyFolder(paths_.downloadedProgramFilesFolder));
  });
  step("windowsTemp", boxes_.usable("windowsTemp"), [&] {
    if (!cleanable(paths_.windowsTempFolder)) return;
    platform::RemovalReport report;
    deleteFilesOlderThan(system_.removal, system_.clock, 1, paths_.windowsTempFolder + "*.*", std::nullopt,
                         &report);
    raiseRemovalFailures(report);
  });
  if (boxes_.checked("recycleBin")) {
    frame_.statement(trap, [&] { frame_.setStatus("Cleaning Recycle Bin"); });
    frame_.optionStep(trap, "recycleBin",
                      [&] { EmptyBitBucket(system_.shell, log_, owner_, "", doEvents_); });
    frame_.statement(trap, [&] { frame_.setStatus("Cleaning Windows Files"); });
  }
  step("scandiskFiles", boxes_.checked("scandiskFiles"), [&] {
    if (common::fileExists(files, "C:\\*.chk")) deleteMatching("C:\\*.chk");
  });
  step("runHistory", boxes_.checked("runHistory"), [&] { clearMru(kRunMruKey); });
  step("searchHistory", boxes_.checked("searchHistory"), [&] { clearMru(kFindMruKey); });
  step("additionalGarbage", boxes_.checked("additionalGarbage"), [&] {
    if (additionalGarbage) additionalGarbage();
  });
}

}  // namespace vorn
