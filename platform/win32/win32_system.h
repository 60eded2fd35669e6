#pragma once
// The real platform services over the Win32 API, and the System bundle over them.
#include <memory>

#include "platform/system.h"

namespace platform::win32 {

std::unique_ptr<Files> makeFiles();
// How Files::renameFile replaces a file where MoveFileEx is a stub (Windows 95, 98, ME).
ErrorCode replaceByMoves(const std::string& from, const std::string& to);
std::unique_ptr<Registry> makeRegistry();
std::unique_ptr<Clock> makeClock();
std::unique_ptr<ProcessInfo> makeProcessInfo();
std::unique_ptr<FileIdentity> makeFileIdentity();
std::unique_ptr<Processes> makeProcesses();
std::unique_ptr<Disk> makeDisk();
// `silent`: for runs nobody watches; the shell's operations show no progress window and
// no error box (a failure is only returned).
std::unique_ptr<Shell> makeShell(bool silent = false);
// A known folder as the period registry "Shell Folders" (and the system's own calls)
// name it: what Shell::knownFolder answers where shfolder.dll is missing.
ErrorCode shellFolderFromRegistry(int csidl, std::string& path);

class Win32System {
 public:
  // `silentShell`: see makeShell.
  explicit Win32System(bool silentShell = false);
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
