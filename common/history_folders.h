#pragma once
// The browser's dated history folders below "history.ie5", named "MSHist01" and two
// dates. Their 8.3 names are the file system's choice (numbered tails on 9x, hashed
// tails on NT from the fifth alike name, always hashed under Wine), so the cleaner and
// the boot-time remover find them by listing the folder, never by guessing short names.
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"
#include "platform/tree_removal.h"

namespace common {

// True for a name a history folder goes by: a long name beginning with "MSHist" (any
// case), or a numbered short name, a beginning of "mshist", "~" and digits in at most
// eight characters ("mshis~10", "mshi~150", "msh~1000").
bool isHistoryFolderName(std::string_view name);

// The full paths of the history folders in `historyFolder` + "history.ie5\", from one
// listing, sorted: folders only (links to folders too; the removal decides what becomes
// of them), never index.dat. A missing folder holds none; a listing that fails
// otherwise raises. `historyFolder` is a full path, with or without a trailing "\".
std::vector<std::string> listHistoryFolders(platform::Files& files,
                                            const std::string& historyFolder);

// Removes the ordinary files (not hidden, not system, not folders) matching `pattern`,
// which may hold wildcards, through the removal service. Raises 53 when nothing matches;
// when a file refuses, the others still go and the first refusal is raised at the end.
void killFiles(platform::TreeRemoval& removal, const std::string& pattern);

}  // namespace common
