#include "main/clean/inet_properties.h"

#include "common/error_trap.h"
#include "common/run_error.h"

namespace vorn {
namespace {

bool startsWithNoCase(const std::string& text, const std::string& prefix) {
  if (text.size() < prefix.size()) return false;
  for (std::size_t i = 0; i < prefix.size(); ++i) {
    auto up = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c; };
    if (up(text[i]) != up(prefix[i])) return false;
  }
  return true;
}

bool sameKey(const std::string& a, const char* b) {
  return a.size() == std::char_traits<char>::length(b) && startsWithNoCase(a, b);
}

// Deletes each listed entry, going on past a refusal; the first failure is raised at the
// end for the caller's trap.
void removeEach(platform::UrlCache& cache, const std::vector<platform::UrlCacheEntry>& entries) {
  platform::ErrorCode first = platform::err::kSuccess;
  for (const platform::UrlCacheEntry& e : entries) {
    platform::ErrorCode code = cache.remove(e.url);
    if (code != platform::err::kSuccess && code != platform::err::kFileNotFound &&
        first == platform::err::kSuccess)
      first = code;
  }
  common::check(first);
}

bool isCookie(const platform::UrlCacheEntry& e) {
  return (e.type & platform::cacheentry::kCookie) || startsWithNoCase(e.url, "Cookie:");
}

bool isHistory(const platform::UrlCacheEntry& e) {
  return (e.type & platform::cacheentry::kUrlHistory) || startsWithNoCase(e.url, "Visited:");
}

}  // namespace

// The titles are the dialog's own in each language's Western code page text.
const std::vector<LanguageTitle>& languageTitles() {
  static const std::vector<LanguageTitle> titles = {
      {"Egenskaber for Internettet", "danish"},
      {"Internet Properties", "english"},
      {"Eigenschappen voor Internet", "nederland"},
      {"Eigenschaften von Internet", "dutch"},
      {"Ominaisuudet: Internet", "finnish"},
      {"Propri\xE9t\xE9s de Internet", "french"},
      {"Propiedades de Internet", "spain"},
      {"Propriet\xE0 - Internet", "italy"},
      {"Internet - lastnosti", "slovenska"},
      {"Internet \xD6zellikleri", "turk"},
      {"Internet - vlastnosti", "slovakia"},
      {"Propriedades de Internet", "portugal1"},
      {"Egenskaper for Internett", "norsk"},
      {"Wlasciwosci: Internet", "polsk"},
      {"Internet tulajdons\xE1gai", "hungary"},
      {"Egenskaper f\xF6r Internet", "swedish"},
      {"Internet-alternativ", "swedish"},
  };
  return titles;
}

std::optional<DialogHotKeys> hotKeysFor(const std::string& languageKey) {
  static const struct {
    const char* key;
    DialogHotKeys keys;
  } table[] = {
      {"danish", {"%L", "%S", "%R"}},    {"english", {"%F", "%D", "%H"}},
      {"nederland", {"%V", "%V", "%G"}}, {"dutch", {"%D", "%O", "%V"}},
      {"finnish", {"%P", "%P", "%T"}},   {"french", {"%S", "%U", "%E"}},
      {"spain", {"%H", "%E", "%B"}},     {"italy", {"%F", "%E", "%C"}},
      {"slovenska", {"%D", "%I", "%Z"}}, {"turk", {"%S", "%S", "%G"}},
      {"slovakia", {"%S", "%D", "%H"}},  {"portugal1", {"%F", "%M", "%L"}},
      {"norsk", {"%F", "%S", "%L"}},     {"polsk", {"%U", "%U", "%H"}},
      {"hungary", {"%F", "%E", "%M"}},   {"swedish", {"%B", "%T", "%R"}},
  };
  for (const auto& row : table)
    if (sameKey(languageKey, row.key)) return row.keys;
  return std::nullopt;
}

InternetPropertiesAutomation::InternetPropertiesAutomation(InternetPropertiesServices services,
                                                           RunFrame& frame,
                                                           ui::Prompter& prompter,
                                                           common::SessionLog& log)
    : s_(services), frame_(frame), prompter_(prompter), log_(log) {}

std::string InternetPropertiesAutomation::detectIELanguage(platform::WindowHandle* dialog) {
  std::string key = kNoLanguageKey;
  if (dialog) *dialog = 0;
  for (const platform::TopWindow& w : s_.windows.list()) {
    if (w.title.empty()) continue;
    // Every window is walked: the last match decides.
    for (const LanguageTitle& t : languageTitles()) {
      if (s_.windows.sameTitle(w.title, t.title)) {
        key = t.key;
        if (dialog) *dialog = w.handle;
      }
    }
  }
  return key;
}

platform::WindowHandle InternetPropertiesAutomation::waitForDialog(std::uint32_t processId,
                                                                   std::string& language) {
  for (int waited = 0;; waited += kLookEveryMs) {
    platform::WindowHandle dialog = 0;
    language = detectIELanguage(&dialog);
    if (dialog) return dialog;
    if (processId == 0 || waited >= kDialogWaitMs) return 0;
    // The applet has shown a window under a title of none of the languages: that is the
    // dialog, and it cannot be driven.
    for (const platform::TopWindow& w : s_.windows.list())
      if (w.processId == processId && w.visible && !w.title.empty()) return 0;
    s_.windows.pause(kLookEveryMs);
  }
}

void InternetPropertiesAutomation::closeWindowsOf(std::uint32_t processId,
                                                  platform::WindowHandle dialog) {
  for (const platform::TopWindow& w : s_.windows.list())
    if (w.handle == dialog || (processId != 0 && w.processId == processId && w.visible))
      s_.windows.close(w.handle);
}

bool InternetPropertiesAutomation::type(platform::WindowHandle dialog, const std::string& keys) {
  if (keys.empty()) return true;
  if (s_.windows.foreground() != dialog) return false;
  return s_.keys.sendKeys(dialog, keys) == platform::err::kSuccess;
}

platform::ErrorCode cacheContentEntries(platform::UrlCache& cache,
                                        std::vector<platform::UrlCacheEntry>& content) {
  std::vector<platform::UrlCacheEntry> found;
  content.clear();
  const platform::ErrorCode e = cache.entries("", found);
  for (const platform::UrlCacheEntry& entry : found)
    if (!isCookie(entry) && !isHistory(entry)) content.push_back(entry);
  return e;
}

platform::ErrorCode urlHistoryEntries(platform::UrlCache& cache,
                                      std::vector<platform::UrlCacheEntry>& history) {
  std::vector<platform::UrlCacheEntry> found;
  history.clear();
  const platform::ErrorCode e = cache.entries("Visited:", found);
  for (const platform::UrlCacheEntry& entry : found)
    if (isHistory(entry) && !isCookie(entry)) history.push_back(entry);
  return e;
}

void InternetPropertiesAutomation::clearCacheEntries() {
  std::vector<platform::UrlCacheEntry> content;
  common::check(cacheContentEntries(s_.cache, content));
  removeEach(s_.cache, content);
}

void InternetPropertiesAutomation::clearHistoryEntries() {
  std::vector<platform::UrlCacheEntry> history;
  common::check(urlHistoryEntries(s_.cache, history));
  removeEach(s_.cache, history);
}

bool InternetPropertiesAutomation::clear(int mode) {
  common::ErrorTrap trap(log_, "ShowInetProperties");
  std::uint32_t processId = 0;
  trap.run([&] { common::check(s_.applet.start(processId)); });
  const bool started = processId > 0;

  std::string language;
  const platform::WindowHandle dialog = waitForDialog(started ? processId : 0, language);
  const std::optional<DialogHotKeys> keys = hotKeysFor(language);
  bool driving = false;
  if (!dialog || !keys) {
    prompter_.messageBox(kLanguageNotSupported, kApplicationTitle, ui::mb::kOk);
  } else if (s_.windows.bringToFront(dialog)) {
    driving = true;
  } else {
    trap.record(common::errnum::kPathFileAccess,
                "The Internet Properties dialog could not be brought to the front");
  }

  // A part the dialog could not do is done through the cache interface; once a keystroke
  // could not be typed, no further one is.
  if (mode == 1 || mode == 2) {
    driving = driving && type(dialog, keys->cache1) && type(dialog, keys->cache2) &&
              type(dialog, "{ENTER}");
    if (!driving) trap.run([&] { clearCacheEntries(); });
    frame_.progressStep();
  }
  if (mode == 0 || mode == 2) {
    driving = driving && type(dialog, keys->history) && type(dialog, "{Tab}") &&
              type(dialog, "{ENTER}");
    if (!driving) trap.run([&] { clearHistoryEntries(); });
    frame_.progressStep();
  }
  if (!(driving && type(dialog, "{ENTER}")))
    trap.run([&] { closeWindowsOf(started ? processId : 0, driving ? dialog : 0); });
  return started;
}

}  // namespace vorn
