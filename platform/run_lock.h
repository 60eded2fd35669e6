#pragma once
// The one lock every cleaning or analysis takes, in every Tervane process of the session:
// from the window, the tray's schedule or the command line. A second run waits for no one;
// it is refused at once.
namespace platform {

// The Win32 build's named mutex. Other programs (and tests) may hold it to keep Tervane
// from starting a run.
inline constexpr const char* kRunMutexName = "Tervane.CleaningRun";

class RunLock {
 public:
  virtual ~RunLock() = default;
  // Takes the lock without waiting; false when another process holds it. The holder may
  // take it again: each take needs its own release.
  virtual bool tryAcquire() = 0;
  virtual void release() = 0;
};

}  // namespace platform
