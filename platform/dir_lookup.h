#pragma once
// Directory lookups with an attribute mask, the way the classic BASIC Dir function
// filters a listing: ordinary files always match; hidden, system and folder entries
// match only when the mask names those attributes.
#include <optional>

#include "platform/files.h"

namespace platform {

namespace dirmask {
inline constexpr std::uint32_t kNormal = 0;
inline constexpr std::uint32_t kReadOnly = attr::kReadOnly;
inline constexpr std::uint32_t kHidden = attr::kHidden;
inline constexpr std::uint32_t kSystem = attr::kSystem;
inline constexpr std::uint32_t kDirectory = attr::kDirectory;
inline constexpr std::uint32_t kArchive = attr::kArchive;
}  // namespace dirmask

bool matchesDirMask(std::uint32_t attributes, std::uint32_t mask);

// The first entry that `path` names under `mask`, or none. A path ending in "\" lists
// that folder ("\*.*"). Not-found results are no error; any other failure is returned
// in `error` with no entry.
std::optional<FindData> firstDirEntry(Files& files, const std::string& path, std::uint32_t mask,
                                      ErrorCode& error);

}  // namespace platform
