#include "common/full_path.h"

#include <cstdio>

namespace common {

PathProblem fullPathProblem(const std::string& p) {
  for (char c : p)
    if (static_cast<unsigned char>(c) < 0x20) return PathProblem::ControlCharacter;
  const bool letter = !p.empty() && ((p[0] >= 'A' && p[0] <= 'Z') || (p[0] >= 'a' && p[0] <= 'z'));
  const bool drive = p.size() >= 3 && letter && p[1] == ':' && p[2] == '\\';
  // "\\server\share": two backslashes and a server name, never "\\\" or "\\?\".
  const bool unc =
      p.size() > 2 && p[0] == '\\' && p[1] == '\\' && p[2] != '\\' && p[2] != '?' && p[2] != '.';
  if (!drive && !unc) return PathProblem::NotFullPath;
  if (p.size() > kMaxPathLength) return PathProblem::TooLong;
  return PathProblem::None;
}

std::string pathProblemText(PathProblem problem) {
  switch (problem) {
    case PathProblem::None:
      return "";
    case PathProblem::NotFullPath:
      return "not a full path";
    case PathProblem::ControlCharacter:
      return "holds a control character";
    case PathProblem::TooLong:
      return "longer than " + std::to_string(kMaxPathLength) + " characters";
  }
  return "";
}

std::string printableEntry(const std::string& entry) {
  constexpr std::size_t kShown = 300;
  std::string shown;
  for (std::size_t i = 0; i < entry.size() && i < kShown; ++i) {
    const unsigned char c = static_cast<unsigned char>(entry[i]);
    if (c == 0) {
      shown += "<NUL>";
    } else if (c < 0x20) {
      char code[8];
      std::snprintf(code, sizeof code, "<%02X>", c);
      shown += code;
    } else {
      shown += static_cast<char>(c);
    }
  }
  if (entry.size() > kShown) shown += "...";
  return shown;
}

}  // namespace common
