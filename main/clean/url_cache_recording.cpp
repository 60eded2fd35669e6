#include "main/clean/url_cache_recording.h"

#include <set>

namespace vorn {

std::vector<platform::UrlCacheEntry> urlCacheEntries(platform::UrlCache& cache, int mode) {
  std::vector<platform::UrlCacheEntry> all;
  auto list = [&](platform::ErrorCode (*entries)(platform::UrlCache&,
                                                 std::vector<platform::UrlCacheEntry>&)) {
    std::vector<platform::UrlCacheEntry> found;
    if (entries(cache, found) == platform::err::kSuccess)
      all.insert(all.end(), found.begin(), found.end());
  };
  if (mode == 1 || mode == 2) list(cacheContentEntries);
  if (mode == 0 || mode == 2) list(urlHistoryEntries);
  return all;
}

void listUrlCacheEntries(platform::UrlCache& cache, int mode, platform::ChangeRecorder& recorder,
                         common::ErrorTrap* trap) {
  platform::ErrorCode first = platform::err::kSuccess;
  for (const auto& entry : urlCacheEntries(cache, mode)) {
    platform::ErrorCode result = platform::err::kSuccess;
    if (trap) {
      result = cache.remove(entry.url);
      if (result == platform::err::kFileNotFound) result = platform::err::kSuccess;
      if (first == platform::err::kSuccess) first = result;
    }
    recorder.add(platform::RecordedChange::Kind::CacheEntryRemoved, entry.url, 0, result);
    // Its file goes with it: the later file steps must not count it again.
    if (!entry.localFile.empty()) recorder.takeAwayUnseen(entry.localFile);
  }
  if (trap) trap->run([first] { common::check(first); });
}

bool clearAndRecord(InternetPropertiesAutomation& clearing, platform::UrlCache& cache, int mode,
                    platform::ChangeRecorder* recorder) {
  if (!recorder || !recorder->recording()) return clearing.clear(mode);
  const std::vector<platform::UrlCacheEntry> before = urlCacheEntries(cache, mode);
  const bool started = clearing.clear(mode);
  std::set<std::string> left;
  for (const auto& entry : urlCacheEntries(cache, mode)) left.insert(entry.url);
  for (const auto& entry : before)
    if (!left.count(entry.url))
      recorder->add(platform::RecordedChange::Kind::CacheEntryRemoved, entry.url, 0,
                    platform::err::kSuccess);
  return started;
}

}  // namespace vorn
