#pragma once
// The browser's dated history folders below "history.ie5": numbered 1 to 999 under the
// short names "mshist~1".."mshist~9", "mshis~10".."mshis~99" and "mshi~100".."mshi~999".
// The cleaner and the boot-time remover empty and remove them the same way.
#include <functional>
#include <string>

#include "platform/files.h"

namespace common {

inline constexpr int kHistoryFolderCount = 999;

// The short name of history folder `number` (1 to 999).
std::string historyFolderName(int number);

// How a caller runs one statement of the walk: its own error trap logs a failure and
// goes on with the next statement.
using StatementRunner = std::function<void(const std::function<void()>&)>;

// For each number 1 to 999, the folder `historyFolder` + "history.ie5\" + short name:
// when `folderExists` holds for it (with a trailing "\"), deletes the files in it and
// then removes it, each as one statement. `historyFolder` ends in "\" (a path value);
// "-" or an empty value looks in places that hold no history and removes nothing.
void removeHistoryFolders(platform::Files& files, const std::string& historyFolder,
                          const std::function<bool(const std::string&)>& folderExists,
                          const StatementRunner& statement);

// Deletes the ordinary files (not hidden, not system, not folders) matching `pattern`,
// which may hold wildcards. Raises 53 when nothing matches; when a file refuses, the
// others are still deleted and the first failure is raised at the end.
void killFiles(platform::Files& files, const std::string& pattern);

}  // namespace common
