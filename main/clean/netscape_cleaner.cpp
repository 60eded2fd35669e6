#include "main/clean/netscape_cleaner.h"

#include <cstdio>

#include "common/file_replace.h"
#include "common/run_error.h"
#include "common/settings.h"
#include "common/text_lines.h"
#include "main/clean/removal_failures.h"
#include "main/paths/protected_folders.h"

namespace vorn {
namespace {

// "-" (not found) or an empty value names no folder; a pattern built on it would look
// in whatever folder the program runs in.
bool namesFolder(const std::string& path) {
  return !path.empty() && path != kPathMissing;
}

}  // namespace

std::string withoutTypedAddresses(const std::string& preferences, int* dropped) {
  std::vector<std::string> kept;
  int count = 0;
  for (std::string& line : common::splitLines(preferences)) {
    if (line.find(kTypedAddressMarker) != std::string::npos)
      ++count;
    else
      kept.push_back(std::move(line));
  }
  if (dropped) *dropped = count;
  return common::joinLines(kept);
}

std::string createTemporaryFile(platform::Files& files, platform::Clock& clock,
                                const std::string& folder) {
  if (folder.empty()) return {};
  const platform::LocalTime t = clock.now();
  const unsigned start =
      static_cast<unsigned>(((t.minute * 60 + t.second) * 1000 + t.millisecond) & 0xFFFF);
  const std::string base = folder.back() == '\\' ? folder : folder + "\\";
  // Like the system's own temporary names: up to 65535 tries of "tmp" and four hex digits.
  for (unsigned i = 0; i < 0xFFFF; ++i) {
    const unsigned number = ((start + i) % 0xFFFF) + 1;
    char name[16];
    std::snprintf(name, sizeof name, "tmp%X.tmp", number);
    const std::string path = base + name;
    std::uint32_t attributes = 0;
    const platform::ErrorCode e = files.getAttributes(path, attributes);
    if (e == platform::err::kSuccess) continue;
    if (e != platform::err::kFileNotFound) return {};
    if (files.writeFile(path, "") != platform::err::kSuccess) return {};
    return path;
  }
  return {};
}

NetscapeCleaner::NetscapeCleaner(platform::System& system, common::SessionLog& log,
                                 ui::Prompter& prompter, RunFrame& frame, OptionBoxes& boxes,
                                 SecureRemover& remover, const AutomaticCleaningState& automatic,
                                 const PathValues& paths, const std::string& safetyLevel,
                                 std::string programFolder)
    : system_(system),
      log_(log),
      prompter_(prompter),
      frame_(frame),
      boxes_(boxes),
      remover_(remover),
      automatic_(automatic),
      paths_(paths),
      safetyLevel_(safetyLevel),
      folder_(std::move(programFolder)) {}

std::string NetscapeCleaner::profileFolder() const {
  return paths_.netscapeUsersFolder + paths_.netscapeUserName;
}

void NetscapeCleaner::cleanNetscape() {
  frame_.runEngine(frames::kNetscape, [&](common::ErrorTrap* trap) { runSteps(trap); });
}

void NetscapeCleaner::runSteps(common::ErrorTrap* trap) {
  platform::Files& files = system_.files;
  // Read once as the run starts: a user saved during the run counts from the next one.
  const std::string profile = profileFolder();
  const std::string cache = paths_.netscapeCacheFolder;
  const int passes = passesForLevel(safetyLevel_);
  auto statement = [&](const std::function<void()>& body) { frame_.statement(trap, body); };

  if (boxes_.checked("netscapeCache")) {
    frame_.optionStep(trap, "netscapeCache", [&] {
      if (!namesFolder(cache) || automatic_.automaticCleaningOn()) return;
      if (!common::fileExists(files, cache + "*.*")) return;
      requireCleanableFolder(system_, cache);
      raiseRemovalFailures(system_.removal.removeMatching(cache + "*.*"));
    });
  }
  if (boxes_.checked("netscapeHistory")) {
    frame_.optionStep(trap, "netscapeHistory", [&] {
      const std::string history = profile + "\\netscape.hst";
      if (automatic_.automaticCleaningOn() || !common::fileExists(files, history)) return;
      requireCleanableFolder(system_, profile);
      raiseRemovalFailures(system_.removal.removeFile(history));
    });
  }
  if (boxes_.checked("netscapeCookies")) {
    frame_.optionStep(trap, "netscapeCookies", [&] {
      // A profile that names a system folder gets no cookie file written into it either.
      requireCleanableFolder(system_, profile);
      const std::string cookies = profile + "\\cookies.txt";
      PathValues current = paths_;
      current.netscapeProfile = profile;
      // The passes run whether or not there is a cookie file: each creates it anew.
      for (int i = 0; i < passes; ++i) statement([&] { remover_.overWriteFileNetscape(current); });
      statement([&] {
        if (common::fileExists(files, cookies))
          raiseRemovalFailures(system_.removal.removeFile(cookies));
      });
      statement([&] {
        const platform::ErrorCode e =
            system_.shell.copyFile(owner_, folder_ + "\\" + kNetscapeKeepList, cookies);
        if (e != platform::err::kSuccess)
          prompter_.messageBox(std::to_string(e), kApplicationTitle, ui::mb::kOk);
      });
    });
  }
  if (boxes_.checked("netscapeAddressBar")) {
    frame_.optionStep(trap, "netscapeAddressBar", [&] {
      const std::string preferences = profile + "\\prefs.js";
      if (!common::fileExists(files, preferences)) return;
      requireCleanableFolder(system_, profile);
      statement([&] { clearUrlHistory(preferences); });
      statement([&] {
        const std::string lockedPreferences = profile + "\\liprefs.js";
        if (common::fileExists(files, lockedPreferences))
          raiseRemovalFailures(system_.removal.removeFile(lockedPreferences));
      });
    });
  }
}

void NetscapeCleaner::clearUrlHistory(const std::string& preferencesFile) {
  platform::Files& files = system_.files;
  std::string text;
  common::check(files.readFile(preferencesFile, text));
  const std::string temp = system_.shell.tempPath();
  if (temp.empty()) {
    prompter_.messageBox(kTempPathError, kApplicationTitle, ui::mb::kOk);
    return;
  }
  const std::string scratch = createTemporaryFile(files, system_.clock, temp);
  if (scratch.empty()) {
    prompter_.messageBox(kTempNameError, kApplicationTitle, ui::mb::kOk);
    return;
  }
  // The complete new text first, then one move over the old file: at every moment the
  // profile holds either the old preferences or the new ones.
  platform::ErrorCode e = files.writeFile(scratch, withoutTypedAddresses(text));
  if (e == platform::err::kSuccess) e = common::replaceFileWith(files, scratch, preferencesFile);
  if (e != platform::err::kSuccess) {
    system_.removal.removeFile(scratch);
    common::raiseWin32(e);
  }
}

}  // namespace vorn
