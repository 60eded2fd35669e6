#pragma once
// GoogleTest's one use of std::mutex and std::condition_variable (its Notification), which
// the win32 thread model of the release toolchain lacks, given by a Win32 event instead.
// Forced into every GoogleTest translation unit of the Windows trees, with
// GTEST_HAS_NOTIFICATION_ telling GoogleTest that it is there.
#include <windows.h>

namespace testing::internal {

class Notification {
 public:
  Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};

}  // namespace testing::internal
