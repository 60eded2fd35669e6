#include "main/clean/ie_cleaner.h"

#include <algorithm>

#include "common/history_folders.h"
#include "common/run_error.h"
#include "main/clean/removal_failures.h"
#include "main/paths/protected_folders.h"
#include "platform/dir_lookup.h"

namespace vorn {
namespace {

bool isFolder(const std::string& path) {
  return !path.empty() && path != kPathMissing;
}

std::string withSeparator(const std::string& folder) {
  return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return text;
}

// The browser's index file is locked while Windows runs and is left to the boot-time
// remover. The file system ignores case, so neither may any spelling of it be deleted.
bool isIndexFile(const std::string& name) {
  return lower(name) == "index.dat";
}

// The cache folders also hold the shell's view settings of the folder, which the browser
// relies on to show them as its cache.
bool isKeptCacheFile(const std::string& name) {
  return isIndexFile(name) || lower(name) == "desktop.ini";
}

// The names a listing of `pattern` gives that `take` accepts, sorted.
std::vector<std::string> listedNames(platform::Files& files, const std::string& pattern,
                                     const std::function<bool(const platform::FindData&)>& take) {
  std::vector<std::string> names;
  files.find(pattern, [&](const platform::FindData& d) {
    if (take(d)) names.push_back(d.name);
    return true;
  });
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

IECleaner::IECleaner(platform::System& system, RegistryAccess& registry, common::SessionLog& log,
                     common::Settings& settings, RunFrame& frame, OptionBoxes& boxes,
                     const PathValues& paths, SecureRemover& remover, IECleanerControls controls,
                     std::string programFolder, std::function<std::string()> safetyLevel,
                     BrowserClearing browserClearing)
    : system_(system),
      registry_(registry),
      log_(log),
      settings_(settings),
      frame_(frame),
      boxes_(boxes),
      paths_(paths),
      remover_(remover),
      controls_(controls),
      folder_(std::move(programFolder)),
      safetyLevel_(std::move(safetyLevel)),
      browserClearing_(std::move(browserClearing)) {}

std::string IECleaner::pathSetting(const std::string& key) {
  return settings_.getini("Path", key, folder_ + "\\mainten.ini");
}

void IECleaner::cleanIE() {
  frame_.runEngine(frames::kIE, [&](common::ErrorTrap* trap) {
    // The cookie list shows the folder as it is now, and the path as saved now.
    frame_.statement(trap, [&] {
      if (isFolder(paths_.ieCookiesFolder) && common::folderExists(system_.files, paths_.ieCookiesFolder))
        controls_.cookieFiles.setPath(paths_.ieCookiesFolder);
    });
    runSteps(trap);
  });
}

void IECleaner::runSteps(common::ErrorTrap* trap) {
  const bool cache = boxes_.valueOf("ieCache") == 1;
  const bool history = boxes_.valueOf("ieHistory") == 1;
  if (cache || history)
    frame_.statement(trap, [&] { showInetProperties(cache && history ? 2 : cache ? 1 : 0); });
  if (boxes_.checked("ieCookies")) frame_.optionStep(trap, "ieCookies", [&] { removeCookies(); });
  if (boxes_.checked("ieAddressBar"))
    frame_.optionStep(trap, "ieAddressBar", [&] {
      registry_.deleteRegistryKey(platform::hkey::kCurrentUser, kTypedUrlsKey);
    });
  if (boxes_.checked("ieLockedFiles"))
    frame_.optionStep(trap, "ieLockedFiles", [&] { scheduleIndexRemoval(); });
}

bool IECleaner::showInetProperties(int mode) {
  common::ErrorTrap trap(log_, "ShowInetProperties");
  bool started = false;
  // The dialog empties what both boxes ask for; its work is named after the first.
  frame_.beginOptionWithId(mode == 0 ? "ieHistory" : "ieCache");
  trap.run([&] {
    if (!frame_.state.analyzing()) {
      if (browserClearing_) started = browserClearing_(mode);
    } else if (browserListing_) {
      browserListing_(mode);
    } else {
      if (mode == 1 || mode == 2) frame_.progressStep();
      if (mode == 0 || mode == 2) frame_.progressStep();
    }
  });
  if (mode == 0 || mode == 2) {
    frame_.beginOptionWithId("ieHistory");
    trap.run([&] { removeHistoryFolders(); });
  }
  if (mode == 1 || mode == 2) {
    frame_.beginOptionWithId("ieCache");
    trap.run([&] { delTemporaryIF(); });
  }
  return started;
}

void IECleaner::removeHistoryFolders() {
  const std::string historyFolder = pathSetting("IE1");
  if (!isFolder(historyFolder)) return;
  requireCleanableFolder(system_, historyFolder);
  common::ErrorTrap trap(log_, "ShowInetProperties");
  for (const std::string& folder : common::listHistoryFolders(system_.files, historyFolder))
    // Never through a link: a history folder that is one stays, and so does its target.
    trap.run([&] { raiseRemovalFailures(system_.removal.removeFolder(folder)); });
}

void IECleaner::delTemporaryIF() {
  common::ErrorTrap trap(log_, "delTemporaryIF");
  const std::string cacheFolder = pathSetting("IE2");
  if (!isFolder(cacheFolder)) return;
  requireCleanableFolder(system_, cacheFolder);
  const std::string folder = withSeparator(cacheFolder);
  removeCacheFiles(trap, folder, [](const platform::FindData& d) {
    return platform::matchesDirMask(d.attributes, platform::dirmask::kNormal);
  });
  // The cached files themselves lie in Content.IE5's sub-folders, and the browser's own
  // clearing leaves there whatever its URL cache no longer lists. The sub-folders stay:
  // the browser expects them. One that is a link is never entered.
  const std::string content = folder + "Content.IE5";
  std::uint32_t attributes = 0;
  if (system_.files.getAttributes(content, attributes) != platform::err::kSuccess ||
      (attributes & platform::attr::kReparsePoint))
    return;
  const std::vector<std::string> subFolders =
      listedNames(system_.files, content + "\\*.*", [](const platform::FindData& d) {
        return d.isDirectory() && !(d.attributes & platform::attr::kReparsePoint) &&
               d.name != "." && d.name != "..";
      });
  for (const std::string& sub : subFolders)
    removeCacheFiles(trap, content + "\\" + sub + "\\",
                     [](const platform::FindData&) { return true; });
}

void IECleaner::removeCacheFiles(common::ErrorTrap& trap, const std::string& folder,
                                 const std::function<bool(const platform::FindData&)>& take) {
  // One listing and one removal per folder; a link goes as a link, and what refuses is
  // logged once for the folder while the rest goes.
  trap.run([&] {
    raiseRemovalFailures(system_.removal.removeSelected(
        folder + "*.*",
        [&](const platform::FindData& d) { return !isKeptCacheFile(d.name) && take(d); }));
  });
}

void IECleaner::removeCookies() {
  common::ErrorTrap trap(log_, "removeCookies");
  if (!isFolder(paths_.ieCookiesFolder)) return;
  requireCleanableFolder(system_, paths_.ieCookiesFolder);
  const int passes = passesForLevel(safetyLevel_ ? safetyLevel_() : "5");
  int counter = 0;
  const std::vector<std::string> names = controls_.cookieFiles.items();
  const std::vector<std::string>& keep = controls_.keepList;
  for (const std::string& name : names) {
    // Exact comparison: the list holds the names as the folder listing gave them.
    if (std::find(keep.begin(), keep.end(), name) != keep.end()) continue;
    const std::string target = SecureRemover::ieTarget(paths_, name);
    std::uint32_t attributes = 0;
    const bool isLink =
        system_.files.getAttributes(target, attributes) == platform::err::kSuccess &&
        (attributes & platform::attr::kReparsePoint);
    // The removal refuses to overwrite a link too; skipping its passes spares the log.
    for (int pass = 0; pass < passes; ++pass) {
      trap.run([&] {
        ++counter;
        frame_.setStatus("Please wait...Security level processing " + std::to_string(counter));
      });
      // Overwriting through a link would overwrite whatever file it points to.
      if (!isIndexFile(name) && !isLink) remover_.overWriteFileIE(paths_, name);
    }
    if (isIndexFile(name)) continue;
    trap.run([&] { frame_.setStatus("Removing Cookie"); });
    trap.run([&] {
      if (isLink || common::fileExists(system_.files, target))
        raiseRemovalFailures(system_.removal.removeFile(target));
    });
  }
  trap.run([&] { controls_.cookieFiles.refresh(); });
}

void IECleaner::scheduleIndexRemoval() {
  const std::string remover = folder_ + "\\vesper.exe";
  registry_.setStringValue(kRunOnceKey, kRunOnceValueName, remover);
  registry_.setStringValue(kRunServicesOnceKey, kRunOnceValueName, remover);
}

}  // namespace vorn
