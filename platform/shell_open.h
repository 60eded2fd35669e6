#pragma once
// Opening a file or folder with the shell, as a double-click in the shell would.
#include <string>

#include "platform/shell.h"

namespace platform {

class ShellOpen {
 public:
  virtual ~ShellOpen() = default;
  // Runs the "open" verb on `path` in a normal window (ShellExecuteA) with no working
  // folder given: a folder opens in the shell's folder window, a file in its associated
  // program. 0 on success; otherwise a Win32 code (kFileNotFound, kPathNotFound,
  // kAccessDenied, or kNoAssociation for a file no program is registered for).
  virtual ErrorCode open(OwnerWindow owner, const std::string& path) = 0;
};

namespace err {
inline constexpr ErrorCode kNoAssociation = 1155;
}

}  // namespace platform
