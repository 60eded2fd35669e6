#pragma once
// Facts about the running program.
#include <string>

namespace platform {

class ProcessInfo {
 public:
  virtual ~ProcessInfo() = default;
  // The folder of the running program's file, as the system reports it.
  virtual std::string programFolder() = 0;
  // The full path of the running program's file (its module file name), as the system
  // reports it: what a registry entry that starts the program must name.
  virtual std::string programFile() = 0;
  // The running Windows version (4.10 for 98, 5.1 for XP). False where it is unknown.
  virtual bool windowsVersion(int& major, int& minor) {
    (void)major;
    (void)minor;
    return false;
  }
};

}  // namespace platform
