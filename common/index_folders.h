#pragma once
// The folders whose "index.dat" the browser keeps locked: the cache index folder
// ("content.ie5"), the history index folder ("history.ie5"), the cookie folder and the
// user-data folder ("explorer\userdata"). The path search records the index files it
// finds in them; the boot-time remover deletes only files recorded that way.
#include <string_view>

namespace common {

// How many of the four folder kinds `folder` (a path ending in "\") is: the end of the
// path is compared, ignoring case. A file in such a folder is recorded once per kind.
int indexFolderKinds(std::string_view folder);

// True for a path whose file name is "index.dat" and whose folder is of one of the
// kinds, with no wildcards: what the search can have recorded.
bool isIndexFileEntry(std::string_view path);

}  // namespace common
