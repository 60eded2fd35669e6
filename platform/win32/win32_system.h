#pragma once
// The real platform services over the Win32 API, and the System bundle over them.
#include <memory>

#include "platform/system.h"

namespace platform::win32 {

std::unique_ptr<Files> makeFiles();
std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<Clock> makeClock();
std::unique_ptr<ProcessInfo> makeProcessInfo();
std::unique_ptr<FileIdentity> makeFileIdentity();
std::unique_ptr<Processes> makeProcesses();
std::unique_ptr<Disk> makeDisk();
std::unique_ptr<Shell> makeShell();

class Win32System {
 public:
  Win32System();
  Win32System(const Win32System&) = delete;
  Win32System& operator=(const Win32System&) = delete;
  System& system() { return system_; }
  operator System&() { return system_; }

 private:
  std::unique_ptr<Files> files_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<Clock> clock_;
  std::unique_ptr<ProcessInfo> process_;
  std::unique_ptr<FileIdentity> identity_;
  std::unique_ptr<UserSettings> userSettings_;
  std::unique_ptr<Processes> processes_;
  std::unique_ptr<Disk> disk_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<TreeRemoval> removal_;
  System system_;
};

}  // namespace platform::win32
