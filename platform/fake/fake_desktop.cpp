#include "platform/fake/fake_desktop.h"

#include <algorithm>

namespace platform::fake {
namespace {

unsigned char fold(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
  // Western code page: 0xE0-0xFE are the small forms of 0xC0-0xDE, except the division sign.
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
  return c;
}

}  // namespace

bool FakeTopWindows::bringToFront(WindowHandle window) {
  events.push_back("front " + titleOf(window));
  if (refuseFront) return false;
  foregroundWindow = window;
  return true;
}

void FakeTopWindows::close(WindowHandle window) {
  events.push_back("close " + titleOf(window));
  windows.erase(std::remove_if(windows.begin(), windows.end(),
                               [&](const TopWindow& w) { return w.handle == window; }),
                windows.end());
  if (foregroundWindow == window) foregroundWindow = 0;
}

void FakeTopWindows::pause(int ms) {
  pausedMs += ms;
  if (onPause) onPause(pausedMs);
}

bool FakeTopWindows::sameTitle(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(static_cast<unsigned char>(a[i])) != fold(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

WindowHandle FakeTopWindows::add(const std::string& title, std::uint32_t processId, bool visible) {
  const WindowHandle h = next_++;
  windows.push_back({h, title, processId, visible});
  return h;
}

std::string FakeTopWindows::titleOf(WindowHandle window) const {
  for (const TopWindow& w : windows)
    if (w.handle == window) return w.title;
  return "?";
}

ErrorCode FakeKeySender::sendKeys(WindowHandle target, const std::string& keys) {
  if (target == 0 || windows_.foreground() != target) {
    ++refused;
    return err::kAccessDenied;
  }
  sent.push_back(keys);
  if (onSent) onSent(keys);
  return err::kSuccess;
}

ErrorCode FakeInternetProperties::start(std::uint32_t& processId) {
  ++starts;
  if (result != err::kSuccess) return result;
  processId = nextId++;
  if (onStart) onStart(processId);
  return err::kSuccess;
}

ErrorCode FakeUrlCache::entries(const std::string& pattern, std::vector<UrlCacheEntry>& found) {
  found.clear();
  for (const UrlCacheEntry& e : all)
    if (pattern.empty() || e.url.rfind(pattern, 0) == 0) found.push_back(e);
  return err::kSuccess;
}

ErrorCode FakeUrlCache::remove(const std::string& url) {
  if (std::find(refusing.begin(), refusing.end(), url) != refusing.end()) return err::kAccessDenied;
  auto it =
      std::find_if(all.begin(), all.end(), [&](const UrlCacheEntry& e) { return e.url == url; });
  if (it == all.end()) return err::kFileNotFound;
  if (files && !it->localFile.empty()) files->deleteFile(it->localFile);
  all.erase(it);
  return err::kSuccess;
}

bool FakeUrlCache::has(const std::string& url) const {
  return std::any_of(all.begin(), all.end(), [&](const UrlCacheEntry& e) { return e.url == url; });
}

}  // namespace platform::fake
