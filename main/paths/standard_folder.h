#pragma once
// A standard folder of the shell as the cleaner keeps it: the folder, a trailing "\",
// every doubled backslash made single; "-" when the system has no such folder.
#include <string>

#include "main/paths/path_values.h"
#include "platform/shell.h"

namespace vorn {

inline std::string collapseBackslashes(const std::string& path) {
  std::string out;
  out.reserve(path.size());
  for (char c : path)
    if (c != '\\' || out.empty() || out.back() != '\\') out += c;
  return out;
}

inline std::string standardFolder(platform::Shell& shell, int csidl) {
  std::string folder;
  if (shell.knownFolder(csidl, folder) != platform::err::kSuccess) return kPathMissing;
  return collapseBackslashes(folder.substr(0, folder.find('\0')) + "\\");
}

}  // namespace vorn
