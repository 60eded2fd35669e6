#include "main/clean/opera_cleaner.h"

#include "common/run_error.h"
#include "common/settings.h"
#include "main/clean/removal_failures.h"
#include "main/paths/protected_folders.h"

namespace vorn {

OperaCleaner::OperaCleaner(platform::System& system, RunFrame& frame, OptionBoxes& boxes,
                           SecureRemover& remover, const PathValues& paths,
                           const std::string& safetyLevel, std::string programFolder)
    : system_(system),
      frame_(frame),
      boxes_(boxes),
      remover_(remover),
      paths_(paths),
      safetyLevel_(safetyLevel),
      folder_(std::move(programFolder)) {}

void OperaCleaner::cleanOpera() {
  frame_.runEngine(frames::kOpera, [&](common::ErrorTrap* trap) { runSteps(trap); });
}

void OperaCleaner::runSteps(common::ErrorTrap* trap) {
  platform::Files& files = system_.files;
  const std::string opera = paths_.operaUserFolder;
  const std::string cache = paths_.operaCacheFolder;
  const int passes = passesForLevel(safetyLevel_);
  auto statement = [&](const std::function<void()>& body) { frame_.statement(trap, body); };
  // "-" or an empty value names no folder: the files would be looked for in whatever
  // folder the program runs in.
  auto cleanable = [&](const std::string& folder) {
    if (folder.empty() || folder == kPathMissing) return false;
    requireCleanableFolder(system_, folder);
    return true;
  };
  auto deleteIfThere = [&](const std::string& path) {
    if (common::fileExists(files, path)) raiseRemovalFailures(system_.removal.removeFile(path));
  };

  if (boxes_.checked("operaCache")) {
    frame_.optionStep(trap, "operaCache", [&] {
      if (!cleanable(cache) || !common::fileExists(files, cache + "*.*")) return;
      raiseRemovalFailures(system_.removal.removeMatching(cache + "*.*"));
    });
  }
  if (boxes_.checked("operaHistory")) {
    frame_.optionStep(trap, "operaHistory", [&] {
      if (!cleanable(opera)) return;
      statement([&] { deleteIfThere(opera + "opera.win"); });
      statement([&] { deleteIfThere(opera + "global.dat"); });
      // Not examined: a missing clean copy leaves the browser to start with no windows.
      statement([&] {
        system_.shell.copyFile(owner_, folder_ + "\\" + kCleanOperaWindows, opera + "opera.win");
      });
    });
  }
  if (boxes_.checked("operaCookies")) {
    frame_.optionStep(trap, "operaCookies", [&] {
      if (!cleanable(opera)) return;
      const std::string cookies = SecureRemover::operaTarget(paths_);
      // Unlike Netscape's, the passes only run over a cookie file that is there.
      if (!common::fileExists(files, cookies)) return;
      for (int i = 0; i < passes; ++i) statement([&] { remover_.overWriteFileOpera(paths_); });
      statement([&] { deleteIfThere(cookies); });
    });
  }
  if (boxes_.checked("operaAddressBar")) {
    frame_.optionStep(trap, "operaAddressBar", [&] {
      if (!cleanable(opera)) return;
      statement([&] { deleteIfThere(opera + "opera.dir"); });
      statement([&] { deleteIfThere(opera + "vlink4.dat"); });
    });
  }
}

}  // namespace vorn
