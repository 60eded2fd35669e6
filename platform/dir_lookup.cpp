#include "platform/dir_lookup.h"

namespace platform {

bool matchesDirMask(std::uint32_t attributes, std::uint32_t mask) {
  const std::uint32_t special = attr::kHidden | attr::kSystem | attr::kDirectory;
  return (attributes & special & ~mask) == 0;
}

std::optional<FindData> firstDirEntry(Files& files, const std::string& path, std::uint32_t mask,
                                      ErrorCode& error) {
  error = err::kSuccess;
  std::string pattern = path;
  if (!pattern.empty() && (pattern.back() == '\\' || pattern.back() == '/')) pattern += "*.*";
  std::optional<FindData> hit;
  ErrorCode e = files.find(pattern, [&](const FindData& d) {
    if (!matchesDirMask(d.attributes, mask)) return true;
    hit = d;
    return false;
  });
  if (e != err::kSuccess && e != err::kFileNotFound && e != err::kPathNotFound &&
      e != err::kNoMoreFiles)
    error = e;
  return hit;
}

}  // namespace platform
