#include <windows.h>

#include "platform/win32/win32_desktop.h"

namespace platform::win32 {
namespace {

// A named mutex: 95 and NT 4.0 have it, and it goes with its process, so a run that
// crashed leaves the lock abandoned, which the next run may take.
class Win32RunLock : public RunLock {
 public:
  Win32RunLock() : mutex_(CreateMutexA(nullptr, FALSE, kRunMutexName)) {}
  ~Win32RunLock() override {
    if (mutex_) CloseHandle(mutex_);
  }
  Win32RunLock(const Win32RunLock&) = delete;
  Win32RunLock& operator=(const Win32RunLock&) = delete;

  bool tryAcquire() override {
    // Without a mutex there is nothing to coordinate with; the run goes ahead alone.
    if (!mutex_) return true;
    const DWORD result = WaitForSingleObject(mutex_, 0);
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  }
  void release() override {
    if (mutex_) ReleaseMutex(mutex_);
  }

 private:
  HANDLE mutex_;
};

}  // namespace

std::unique_ptr<RunLock> makeRunLock() {
  return std::make_unique<Win32RunLock>();
}

}  // namespace platform::win32
