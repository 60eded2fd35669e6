#include "common/index_folders.h"

#include "platform/wildcard.h"

namespace common {
namespace {

constexpr std::string_view kEndings[] = {"content.ie5\\", "history.ie5\\", "cookies\\",
                                         "explorer\\userdata\\"};

bool endsWithIgnoreCase(std::string_view text, std::string_view ending) {
  return text.size() >= ending.size() &&
         platform::equalsIgnoreCase(text.substr(text.size() - ending.size()), ending);
}

}  // namespace

int indexFolderKinds(std::string_view folder) {
  int kinds = 0;
  for (std::string_view ending : kEndings)
    if (endsWithIgnoreCase(folder, ending)) ++kinds;
  return kinds;
}

bool isIndexFileEntry(std::string_view path) {
  if (platform::hasWildcard(path)) return false;
  std::size_t cut = path.find_last_of('\\');
  if (cut == std::string_view::npos) return false;
  return platform::equalsIgnoreCase(path.substr(cut + 1), "index.dat") &&
         indexFolderKinds(path.substr(0, cut + 1)) > 0;
}

}  // namespace common
