#pragma once
// The URL cache entries that emptying Internet Explorer's cache and history takes, as the
// cleaning report lists them, whichever way (the browser's dialog or the cache interface)
// the emptying goes.
#include <string>
#include <vector>

#include "common/error_trap.h"
#include "main/clean/inet_properties.h"
#include "platform/change_recorder.h"
#include "platform/url_cache.h"

namespace vorn {

// What the browser's dialog empties: the content entries (mode 1 or 2) and the history
// entries (mode 0 or 2), as the cache interface's own clearing takes them.
std::vector<platform::UrlCacheEntry> urlCacheEntries(platform::UrlCache& cache, int mode);

// Records what the dialog would empty. With `trap`, the entries are also removed through
// the cache interface, each recorded with its result; the first failure is logged.
void listUrlCacheEntries(platform::UrlCache& cache, int mode, platform::ChangeRecorder& recorder,
                         common::ErrorTrap* trap = nullptr);

// Runs the dialog's clearing; while `recorder` records, the report lists the entries that
// were there before it and are gone after it. True when the dialog started.
bool clearAndRecord(InternetPropertiesAutomation& clearing, platform::UrlCache& cache, int mode,
                    platform::ChangeRecorder* recorder);

}  // namespace vorn
