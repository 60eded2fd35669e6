#pragma once
// The values the cleaner holds for its whole run, owned by the program's entry point and
// handed to the windows and operations that read or change them.
#include <array>
#include <string>

#include "main/paths/path_values.h"

namespace vorn {

struct Session {
  // The program's folder without a trailing separator; every data file lives there.
  std::string programFolder;
  std::string lastCleanedText;

  PathValues paths;

  // The four user-defined lists: names and activation as check-box state text.
  // Index 0 is list 1 ([UserDef] UDname1 / UDvalue1).
  std::array<std::string, 4> UDname, UDvalue;

  std::string safetyLevel;

  // Tab states as check-box state text ("0" or "1"), from [Tab].
  std::string tabIE, tabNetscape, tabOpera, tabWindows;

  // Whether the extended free-space query is available.
  bool extendedFreeSpace = false;

  // From url.ini.
  std::string urlHome, urlMail, urlInfo;

  // The chart row the next cleaning run writes (1 to 5).
  int statisticsSlot = 1;

  std::string mainten() const { return programFolder + "\\mainten.ini"; }
  std::string urlIni() const { return programFolder + "\\url.ini"; }
};

}  // namespace vorn
