#pragma once
// Facts about the running program.
#include <string>

namespace platform {

class ProcessInfo {
 public:
  virtual ~ProcessInfo() = default;
  // The folder of the running program's file, as the system reports it.
  virtual std::string programFolder() = 0;
};

}  // namespace platform
