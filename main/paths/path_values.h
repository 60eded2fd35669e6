#pragma once
// The cleaner's folder paths, held in memory for the whole run. Each path is a folder
// ending in "\" or "-" when the folder was not found.
#include <map>
#include <string>
#include <string_view>

namespace vorn {

inline constexpr const char* kPathMissing = "-";

struct PathValues {
  // Stored in [Path] of mainten.ini under the keys of the area-paths table
  // (main/paths/path_table.*): IE1..IE4, Netscape1A..Netscape2, Opera1, Opera2, Win1..Win3.
  std::string ieHistoryFolder, ieCacheFolder, ieCookiesFolder, ieCacheContentFolder;
  std::string netscapeUsersFolder, netscapeUserIndex, netscapeUserName, netscapeCacheFolder;
  std::string operaUserFolder, operaCacheFolder;
  std::string docHistoryFolder, windowsTempFolder, downloadedProgramFilesFolder;

  // Derived when the settings are loaded; never stored.
  std::string netscapeProfile;     // netscapeUsersFolder + netscapeUserName, no "\" after
  std::string windowsFolder;       // with a trailing "\", or "-"
  std::string systemFolder;        // with a trailing "\", or "-"
  std::string programFilesFolder;  // with a trailing "\", or "-"

  // Which browser areas can be cleaned, from what the Path page shows.
  bool ieAvailable = false;
  bool netscapeAvailable = false;
  bool operaAvailable = false;

  // Whether the folder of each path role was found when it was last loaded, detected or
  // saved. The View buttons and the boxes that need a folder follow it.
  std::map<std::string, bool, std::less<>> folderFound;
  bool found(std::string_view role) const {
    const auto it = folderFound.find(role);
    return it != folderFound.end() && it->second;
  }
};

}  // namespace vorn
