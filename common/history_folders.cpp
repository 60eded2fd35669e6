#include "common/history_folders.h"

#include <algorithm>

#include "common/run_error.h"
#include "platform/dir_lookup.h"

namespace common {
namespace {

char lowerAscii(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Whether `name` begins with `prefix`, ignoring case.
bool beginsWith(std::string_view name, std::string_view prefix) {
  return name.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), name.begin(),
                    [](char p, char n) { return lowerAscii(p) == lowerAscii(n); });
}

}  // namespace

bool isHistoryFolderName(std::string_view name) {
  constexpr std::string_view kBase = "mshist";
  if (beginsWith(name, kBase)) return true;
  // A numbered tail shortens the base as the number grows: "mshis~10", "msh~1000".
  const std::size_t tilde = name.find('~');
  if (name.size() > 8 || tilde == 0 || tilde == std::string_view::npos ||
      tilde + 1 == name.size() || !beginsWith(kBase, name.substr(0, tilde)))
    return false;
  return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(tilde) + 1, name.end(),
                     [](char c) { return c >= '0' && c <= '9'; });
}

std::vector<std::string> listHistoryFolders(platform::Files& files,
                                            const std::string& historyFolder) {
  std::string base = historyFolder;
  if (base.empty() || base.back() != '\\') base += '\\';
  base += "history.ie5\\";
  std::vector<std::string> found;
  const platform::ErrorCode listed = files.find(base + "*.*", [&](const platform::FindData& d) {
    if (d.isDirectory() && isHistoryFolderName(d.name)) found.push_back(base + d.name);
    return true;
  });
  if (listed != platform::err::kSuccess && listed != platform::err::kFileNotFound &&
      listed != platform::err::kPathNotFound && listed != platform::err::kNoMoreFiles)
    raiseWin32(listed);
  std::sort(found.begin(), found.end());
  return found;
}

void killFiles(platform::TreeRemoval& removal, const std::string& pattern) {
  bool matched = false;
  const platform::RemovalReport report =
      removal.removeSelected(pattern, [&](const platform::FindData& d) {
        const bool ordinary = platform::matchesDirMask(d.attributes, platform::dirmask::kNormal);
        matched = matched || ordinary;
        return ordinary;
      });
  if (!report.complete()) raiseWin32(report.firstError);
  if (!matched) raise(errnum::kFileNotFound);
}

}  // namespace common
