#pragma once
// Emptying Internet Explorer's cache and history through the browser's own Internet
// Properties dialog: start it, tell its language from its title, and press its buttons
// by their hot keys. Where the dialog cannot be driven (it did not appear, or speaks an
// unknown language) the same is done through the URL cache interface instead.
#include <optional>
#include <string>
#include <vector>

#include "common/session_log.h"
#include "main/clean/run_frame.h"
#include "platform/internet_properties.h"
#include "platform/key_sender.h"
#include "platform/top_windows.h"
#include "platform/url_cache.h"
#include "main/clean/application_title.h"
#include "ui/prompter.h"

namespace vorn {

inline constexpr const char* kNoLanguageKey = "nohits";
inline constexpr const char* kLanguageNotSupported =
    "Your Internet Explorer language is not supported";

struct DialogHotKeys {
  std::string cache1, cache2, history;
};

// The language key of a dialog title (compared as `same` says), or empty for none.
struct LanguageTitle {
  const char* title;
  const char* key;
};
const std::vector<LanguageTitle>& languageTitles();
// The hot keys of a language key (any case); none for "nohits" and unknown keys.
std::optional<DialogHotKeys> hotKeysFor(const std::string& languageKey);

// What each part empties through the URL cache interface: the content entries (neither
// cookies nor history), and the history entries (cookies apart). An analysis lists these
// same entries.
platform::ErrorCode cacheContentEntries(platform::UrlCache& cache,
                                        std::vector<platform::UrlCacheEntry>& content);
platform::ErrorCode urlHistoryEntries(platform::UrlCache& cache,
                                      std::vector<platform::UrlCacheEntry>& history);

struct InternetPropertiesServices {
  platform::InternetProperties& applet;
  platform::TopWindows& windows;
  platform::KeySender& keys;
  platform::UrlCache& cache;
};

class InternetPropertiesAutomation {
 public:
  // How long the dialog may take to appear after the start, and how often to look.
  static constexpr int kDialogWaitMs = 5000;
  static constexpr int kLookEveryMs = 100;

  InternetPropertiesAutomation(InternetPropertiesServices services, RunFrame& frame,
                               ui::Prompter& prompter, common::SessionLog& log);

  // Empties the cache (mode 1 or 2) and the history (mode 0 or 2), one progress step for
  // each part. True when the applet started.
  bool clear(int mode);

  // The language key of the last window, in window order, whose title is in the table;
  // "nohits" when none is. `dialog` receives that window.
  std::string detectIELanguage(platform::WindowHandle* dialog = nullptr);

  // The URL cache's own way: the content entries (cache) or the history entries; cookies
  // are never touched here.
  void clearCacheEntries();
  void clearHistoryEntries();

 private:
  bool type(platform::WindowHandle dialog, const std::string& keys);
  platform::WindowHandle waitForDialog(std::uint32_t processId, std::string& language);
  void closeWindowsOf(std::uint32_t processId, platform::WindowHandle dialog);

  InternetPropertiesServices s_;
  RunFrame& frame_;
  ui::Prompter& prompter_;
  common::SessionLog& log_;
};

}  // namespace vorn
