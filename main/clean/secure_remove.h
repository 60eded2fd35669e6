#pragma once
// Secure removal of cookie files: a safety level picks how many times a file is
// overwritten with one of two delivered scratch files before it is deleted.
#include <functional>
#include <string>

#include "common/session_log.h"
#include "main/paths/path_values.h"
#include "platform/files.h"
#include "platform/tree_removal.h"

namespace vorn {

inline constexpr const char* kFirstScratchFile = "ow.chx";
inline constexpr const char* kSecondScratchFile = "ow2.chx";

// The passes a level stands for: "1" 0, "2" 1, "3" 3, "4" 5, "5" 7. Any other text is
// taken as the highest level, as the slider takes any other position.
int passesForLevel(const std::string& safetyLevel);

// What the slider in the Safety Level frame sets: the level digit kept in `safetyLevel`
// and the one-line description shown below the slider (the safety level label).
struct SliderSettings {
  std::string safetyLevel;
  std::string caption;
};
// Positions 1 to 4 select that level; any other position selects level 5.
SliderSettings fixSliderSettings(int sliderPosition);

// A number r with 0 <= r < 1 from one generator seeded once per run of the program.
double randomFraction();

class SecureRemover {
 public:
  // `random` gives numbers r with 0 <= r < 1; the default draws from a generator seeded
  // once. `afterPass` runs after every pass (the window sets its pointer back there).
  // Overwrites and deletions go through `removal`, which never writes through a link.
  SecureRemover(platform::Files& files, platform::TreeRemoval& removal, common::SessionLog& log,
                std::string programFolder, std::function<double()> random = {},
                std::function<void()> afterPass = {});

  // One overwrite pass over `target`, with ow.chx or ow2.chx chosen afresh. Never
  // throws: a failure (a missing scratch file, a target held open) is logged under
  // `label` with step 0 and the pass is left undone. A target that is gone is created
  // anew holding the scratch file's bytes.
  void overwritePass(const std::string& target, const std::string& label);

  // The three callers' passes. The IE one takes a bare file name in the cookie folder.
  void overWriteFileIE(const PathValues& paths, const std::string& fileName);
  void overWriteFileNetscape(const PathValues& paths);
  void overWriteFileOpera(const PathValues& paths);

  // passesForLevel(safetyLevel) passes through `pass`, then the file's deletion when an
  // ordinary file is found at `target`. A failed deletion raises to the caller's trap.
  void secureRemove(const std::string& target, const std::string& safetyLevel,
                    const std::function<void()>& pass);

  static std::string ieTarget(const PathValues& paths, const std::string& fileName);
  static std::string netscapeTarget(const PathValues& paths);
  static std::string operaTarget(const PathValues& paths);

 private:
  platform::Files& files_;
  platform::TreeRemoval& removal_;
  common::SessionLog& log_;
  std::string folder_;
  std::function<double()> random_;
  std::function<void()> afterPass_;
};

}  // namespace vorn
