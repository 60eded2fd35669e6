#include "main/clean/secure_remove.h"

#include <random>

#include "common/error_trap.h"
#include "common/run_error.h"
#include "common/settings.h"

namespace vorn {
namespace {

struct Level {
  const char* digit;
  int passes;
  const char* caption;
};

constexpr Level kLevels[] = {
    {"1", 0, "Safety level 1, recommended for normal use, removing files."},
    {"2", 1,
     "Safety level 2, overwriting each file one time with random characters. This will make "
     "the cleaning process slower"},
    {"3", 3,
     "Safety level 3, overwriting each file three times with random characters. This will "
     "make the cleaning process slower"},
    {"4", 5,
     "Safety level 4, overwriting each file five times with random characters. This will make "
     "the cleaning process slower"},
    {"5", 7,
     "Safety level 5, overwriting each file seven times with random characters. This will "
     "make the cleaning process slower"},
};

const Level& levelFor(const std::string& digit) {
  for (const Level& l : kLevels)
    if (digit == l.digit) return l;
  return kLevels[4];
}

// Joins a folder and a name with exactly one separator.
std::string join(const std::string& folder, const std::string& name) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
  return folder + "\\" + name;
}

}  // namespace

int passesForLevel(const std::string& safetyLevel) {
  return levelFor(safetyLevel).passes;
}

SliderSettings fixSliderSettings(int sliderPosition) {
  const Level& l =
      sliderPosition >= 1 && sliderPosition <= 4 ? kLevels[sliderPosition - 1] : kLevels[4];
  return {l.digit, l.caption};
}

// One generator for the whole run, seeded once: seeding anew from the timer on every pass
// would hand passes made within one timer tick the same scratch file.
double randomFraction() {
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator);
}

SecureRemover::SecureRemover(platform::Files& files, platform::TreeRemoval& removal,
                             common::SessionLog& log, std::string programFolder,
                             std::function<double()> random, std::function<void()> afterPass)
    : files_(files),
      removal_(removal),
      log_(log),
      folder_(std::move(programFolder)),
      random_(random ? std::move(random) : std::function<double()>(randomFraction)),
      afterPass_(std::move(afterPass)) {}

void SecureRemover::overwritePass(const std::string& target, const std::string& label) {
  common::ErrorTrap trap(log_, label);
  trap.run([&] {
    const int k = static_cast<int>(2 * random_() + 1);
    const std::string source = folder_ + "\\" + (k == 1 ? kFirstScratchFile : kSecondScratchFile);
    std::string scratch;
    common::check(files_.readFile(source, scratch));
    if (scratch.empty()) common::raise(common::errnum::kInputPastEnd);
    // In place, so the old bytes are overwritten where they lie rather than left behind
    // in clusters a replacing copy would have given up.
    const platform::ErrorCode e = removal_.overwriteFile(target, scratch);
    if (e == platform::err::kFileNotFound) {
      common::check(files_.writeFile(target, scratch));
      return;
    }
    common::check(e);
  });
  if (afterPass_) afterPass_();
}

std::string SecureRemover::ieTarget(const PathValues& paths, const std::string& fileName) {
  return join(paths.ieCookiesFolder, fileName);
}

std::string SecureRemover::netscapeTarget(const PathValues& paths) {
  return join(paths.netscapeProfile, "cookies.txt");
}

std::string SecureRemover::operaTarget(const PathValues& paths) {
  return paths.operaUserFolder + "cookies4.dat";
}

void SecureRemover::overWriteFileIE(const PathValues& paths, const std::string& fileName) {
  overwritePass(ieTarget(paths, fileName), "Module2.overWriteFileIE");
}

void SecureRemover::overWriteFileNetscape(const PathValues& paths) {
  overwritePass(netscapeTarget(paths), "Module2.overWriteFileNetscape");
}

void SecureRemover::overWriteFileOpera(const PathValues& paths) {
  overwritePass(operaTarget(paths), "Module2.overWriteFileOpera");
}

void SecureRemover::secureRemove(const std::string& target, const std::string& safetyLevel,
                                 const std::function<void()>& pass) {
  const int passes = passesForLevel(safetyLevel);
  for (int i = 0; i < passes; ++i) pass();
  if (!common::fileExists(files_, target)) return;
  const platform::RemovalReport removed = removal_.removeFile(target);
  if (!removed.complete()) common::raiseWin32(removed.firstError);
}

}  // namespace vorn
