#pragma once
// The browser's URL cache as the system's cache interface keeps it: containers of entries,
// the content (Temporary Internet Files), the history ("Visited:") and the cookies
// ("Cookie:"), each entry named by its URL.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win_types.h"

namespace platform {

namespace cacheentry {
inline constexpr std::uint32_t kCookie = 0x00100000;      // COOKIE_CACHE_ENTRY
inline constexpr std::uint32_t kUrlHistory = 0x00200000;  // URLHISTORY_CACHE_ENTRY
}  // namespace cacheentry

struct UrlCacheEntry {
  std::string url;
  std::uint32_t type = 0;  // the entry's cacheentry flags
  std::string localFile;   // the file that holds its content; empty when it has none
};

class UrlCache {
 public:
  virtual ~UrlCache() = default;
  // The entries a search pattern lists: "" for the content container, "Visited:" for the
  // history. Some systems list every container for "", cookies included, so callers
  // check each entry's URL and type. An empty cache is no error.
  virtual ErrorCode entries(const std::string& pattern, std::vector<UrlCacheEntry>& found) = 0;
  // Deletes one entry and its file.
  virtual ErrorCode remove(const std::string& url) = 0;
};

}  // namespace platform
