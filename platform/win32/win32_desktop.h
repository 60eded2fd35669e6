#pragma once
// The real desktop services: top-level windows, key sending, the Internet Properties
// applet's start, the URL cache (WinINet) and the run lock.
#include <memory>

#include "platform/internet_properties.h"
#include "platform/key_sender.h"
#include "platform/run_lock.h"
#include "platform/top_windows.h"
#include "platform/url_cache.h"

namespace platform::win32 {

std::unique_ptr<TopWindows> makeTopWindows();
std::unique_ptr<KeySender> makeKeySender();
std::unique_ptr<InternetProperties> makeInternetProperties();
std::unique_ptr<UrlCache> makeUrlCache();
std::unique_ptr<RunLock> makeRunLock();

}  // namespace platform::win32
