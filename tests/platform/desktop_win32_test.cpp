// The real desktop services under Wine: key sending only into the foreground window, the
// window list, and the URL cache.
// clang-format off
#include <windows.h>
#include <wininet.h>
// clang-format on

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/win32/win32_desktop.h"

namespace {

std::string textOf(HWND h) {
  char buffer[256] = {};
  GetWindowTextA(h, buffer, sizeof buffer);
  return buffer;
}

struct TestWindow {
  HWND frame = nullptr, edit = nullptr;
  explicit TestWindow(const char* title) {
    frame = CreateWindowExA(0, "STATIC", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300, 120,
                            nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    edit = CreateWindowExA(0, "EDIT", "", WS_CHILD | WS_VISIBLE | WS_BORDER, 5, 5, 200, 24, frame,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  ~TestWindow() {
    if (frame) DestroyWindow(frame);
  }
  platform::WindowHandle handle() const { return reinterpret_cast<platform::WindowHandle>(frame); }
};

TEST(Win32Desktop, KeystrokesReachOnlyTheForegroundWindowAndAreProcessedOnReturn) {
  auto windows = platform::win32::makeTopWindows();
  auto keys = platform::win32::makeKeySender();
  TestWindow dialog("Tervane key target"), other("Tervane bystander");
  ASSERT_TRUE(dialog.frame && other.frame);
  auto listed = windows->list();
  auto found = std::find_if(listed.begin(), listed.end(), [&](const platform::TopWindow& w) {
    return w.handle == dialog.handle();
  });
  ASSERT_NE(found, listed.end());
  EXPECT_EQ(found->title, "Tervane key target");
  EXPECT_EQ(found->processId, GetCurrentProcessId());
  EXPECT_TRUE(windows->sameTitle("TERVANE KEY TARGET", found->title));

  if (!windows->bringToFront(dialog.handle())) GTEST_SKIP() << "no foreground switching here";
  SetFocus(dialog.edit);
  EXPECT_EQ(keys->sendKeys(dialog.handle(), "ab+c"), platform::err::kSuccess);
  EXPECT_EQ(textOf(dialog.edit), "abC");  // there when sendKeys returns

  ASSERT_TRUE(windows->bringToFront(other.handle()));
  SetFocus(other.edit);
  EXPECT_EQ(keys->sendKeys(dialog.handle(), "xyz"), platform::err::kAccessDenied);
  windows->pause(100);
  EXPECT_EQ(textOf(dialog.edit), "abC");
  EXPECT_EQ(textOf(other.edit), "");
  EXPECT_EQ(keys->sendKeys(other.handle(), "{bogus}"), platform::err::kInvalidParameter);
}

TEST(Win32Desktop, UrlCacheListsAndRemovesAnEntryItCreated) {
  auto cache = platform::win32::makeUrlCache();
  const char* url = "http://tervane.test/desktop_test.htm";
  char file[MAX_PATH] = {};
  ASSERT_TRUE(CreateUrlCacheEntryA(url, 0, "htm", file, 0));
  HANDLE h = CreateFileA(file, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(h, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  WriteFile(h, "<p>", 3, &written, nullptr);
  CloseHandle(h);
  FILETIME never{};
  ASSERT_TRUE(CommitUrlCacheEntryA(url, file, never, never, NORMAL_CACHE_ENTRY, nullptr, 0,
                                   nullptr, nullptr));
  auto has = [&] {
    std::vector<platform::UrlCacheEntry> found;
    EXPECT_EQ(cache->entries("", found), platform::err::kSuccess);
    return std::any_of(found.begin(), found.end(),
                       [&](const platform::UrlCacheEntry& e) { return e.url == url; });
  };
  EXPECT_TRUE(has());
  EXPECT_EQ(cache->remove(url), platform::err::kSuccess);
  EXPECT_FALSE(has());
  EXPECT_NE(cache->remove(url), platform::err::kSuccess);
}

}  // namespace
