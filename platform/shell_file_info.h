#pragma once
// What the shell says about a file or folder (SHGetFileInfoA): its type name ("Text
// Document"), its display name and its small icon.
#include <string>

namespace platform {

struct ShellFileDescription {
  std::string typeName;     // empty when the shell has none
  std::string displayName;  // as the shell would show the name
  // The position of the entry's small icon in the system's small-icon list, -1 for none.
  int smallIcon = -1;
};

class ShellFileInfo {
 public:
  virtual ~ShellFileInfo() = default;
  // Describes an existing file or folder. False when the shell knows nothing of it
  // (missing path); `description` is then left empty.
  virtual bool describe(const std::string& path, ShellFileDescription& description) = 0;
  // True for a Windows program (SHGFI_EXETYPE with a Windows version in its high word);
  // false for MS-DOS programs, console programs and anything that is no program.
  virtual bool isWindowsExecutable(const std::string& path) = 0;
};

}  // namespace platform
