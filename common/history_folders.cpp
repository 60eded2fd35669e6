#include "common/history_folders.h"

#include <vector>

#include "common/run_error.h"
#include "platform/dir_lookup.h"

namespace common {

std::string historyFolderName(int number) {
  const char* prefix = number < 10 ? "mshist~" : number < 100 ? "mshis~" : "mshi~";
  return prefix + std::to_string(number);
}

void removeHistoryFolders(platform::Files& files, const std::string& historyFolder,
                          const std::function<bool(const std::string&)>& folderExists,
                          const StatementRunner& statement) {
  const std::string base = historyFolder + "history.ie5\\";
  for (int i = 1; i <= kHistoryFolderCount; ++i) {
    const std::string folder = base + historyFolderName(i);
    if (!folderExists(folder + "\\")) continue;
    statement([&] { killFiles(files, folder + "\\*.*"); });
    // A folder that still holds something (a sub-folder, a hidden or refused file)
    // cannot go; the walk goes on with the next number.
    statement([&] { check(files.removeDirectory(folder)); });
  }
}

void killFiles(platform::Files& files, const std::string& pattern) {
  const std::size_t cut = pattern.find_last_of("\\/");
  const std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
  // Collected first: deleting while a listing is open is not safe on every system.
  std::vector<std::string> names;
  platform::ErrorCode listed = files.find(pattern, [&](const platform::FindData& d) {
    if (!d.isDirectory() && platform::matchesDirMask(d.attributes, platform::dirmask::kNormal))
      names.push_back(d.name);
    return true;
  });
  if (listed != platform::err::kSuccess && listed != platform::err::kFileNotFound &&
      listed != platform::err::kNoMoreFiles)
    raiseWin32(listed);
  if (names.empty()) raise(errnum::kFileNotFound);
  platform::ErrorCode first = platform::err::kSuccess;
  for (const std::string& name : names) {
    platform::ErrorCode e = files.deleteFile(folder + name);
    if (e != platform::err::kSuccess && first == platform::err::kSuccess) first = e;
  }
  check(first);
}

}  // namespace common
