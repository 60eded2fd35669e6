#pragma once
// The desktop as records: top-level windows with a foreground one, typed keystrokes,
// starts of the Internet Properties applet and the URL cache. Tests play the user and the
// started dialog through the callbacks.
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/internet_properties.h"
#include "platform/key_sender.h"
#include "platform/top_windows.h"
#include "platform/url_cache.h"

namespace platform::fake {

class FakeTopWindows : public TopWindows {
 public:
  std::vector<TopWindow> list() override { return windows; }
  WindowHandle foreground() override { return foregroundWindow; }
  bool bringToFront(WindowHandle window) override;
  void close(WindowHandle window) override;
  void pause(int ms) override;
  // Latin letters and the accented ones of the Western code page, in either case.
  bool sameTitle(const std::string& a, const std::string& b) override;

  // Adds a window at the end of the window order and returns its handle.
  WindowHandle add(const std::string& title, std::uint32_t processId = 1, bool visible = true);

  std::vector<TopWindow> windows;
  WindowHandle foregroundWindow = 0;
  bool refuseFront = false;
  int pausedMs = 0;
  // "front <title>", "close <title>", in order.
  std::vector<std::string> events;
  std::function<void(int totalMs)> onPause;

 private:
  std::string titleOf(WindowHandle window) const;
  WindowHandle next_ = 0x100;
};

class FakeKeySender : public KeySender {
 public:
  explicit FakeKeySender(TopWindows& windows) : windows_(windows) {}
  ErrorCode sendKeys(WindowHandle target, const std::string& keys) override;

  // The texts typed, in order; refused ones are not among them.
  std::vector<std::string> sent;
  int refused = 0;
  // Runs after each typed text (the dialog reacting, the user clicking elsewhere).
  std::function<void(const std::string& keys)> onSent;

 private:
  TopWindows& windows_;
};

class FakeInternetProperties : public InternetProperties {
 public:
  ErrorCode start(std::uint32_t& processId) override;
  ErrorCode result = err::kSuccess;
  int starts = 0;
  std::uint32_t nextId = 500;
  // Runs when the applet starts, with its process id: a test shows its window here.
  std::function<void(std::uint32_t processId)> onStart;
};

// Lists every container for the pattern "" (the worst case, as some systems do) and only
// history entries for "Visited:".
class FakeUrlCache : public UrlCache {
 public:
  ErrorCode entries(const std::string& pattern, std::vector<UrlCacheEntry>& found) override;
  ErrorCode remove(const std::string& url) override;
  void add(const std::string& url, std::uint32_t type = 0, const std::string& localFile = {}) {
    all.push_back({url, type, localFile});
  }
  bool has(const std::string& url) const;

  std::vector<UrlCacheEntry> all;
  std::vector<std::string> refusing;  // URLs whose removal fails
  // Where the entries' files live: a removed entry takes its file with it, as the
  // system's cache does. None: the files are left alone.
  Files* files = nullptr;
};

}  // namespace platform::fake
