#pragma once
// The cleaner's folder paths, held in memory for the whole run. Each path is a folder
// ending in "\" or "-" when the folder was not found.
#include <string>

namespace vorn {

inline constexpr const char* kPathMissing = "-";

struct PathValues {
  // Stored in [Path] of mainten.ini under these names.
  std::string IE1, IE2, IE3, IE4;
  std::string Netscape1A, Netscape1B, Netscape1C, Netscape2;
  std::string Opera1, Opera2;
  std::string Win1, Win2, Win3;

  // Derived when the settings are loaded; never stored.
  std::string netscapeProfile;     // Netscape1A + Netscape1C, no trailing "\"
  std::string windowsFolder;       // with a trailing "\", or "-"
  std::string systemFolder;        // with a trailing "\", or "-"
  std::string programFilesFolder;  // with a trailing "\", or "-"

  // Which areas can be cleaned, from what the Path page shows.
  bool ieAvailable = false;
  bool netscapeAvailable = false;
  bool operaAvailable = false;
  bool winTempAvailable = false;
  bool winDownloadedAvailable = false;

  // Whether the cache folders that the View buttons open exist.
  bool ie4Found = false;
  bool netscapeCacheFound = false;
  bool operaCacheFound = false;
};

}  // namespace vorn
