#pragma once
// Which texts may name a place to clean. Every list the user or a plugin author writes by
// hand (user-defined lists, plugin definitions, the remover's folders) is checked here:
// a name that is not a full path would be taken from the current folder, which is the
// program's own, and a control character makes the system see another name than the
// one checked.
#include <cstddef>
#include <string>

namespace common {

// The longest path the ANSI file calls accept (MAX_PATH less its terminating NUL).
inline constexpr std::size_t kMaxPathLength = 259;

enum class PathProblem { None, NotFullPath, ControlCharacter, TooLong };

// None for "X:\..." or "\\server\share..." with no character below 32 and at most
// kMaxPathLength characters; otherwise the first problem found, control characters first.
PathProblem fullPathProblem(const std::string& path);
inline bool isFullPath(const std::string& path) {
  return fullPathProblem(path) == PathProblem::None;
}

// "not a full path", "holds a control character", "longer than 259 characters".
std::string pathProblemText(PathProblem problem);

// The entry as it can be shown on one line of a log or a list: control characters as
// "<NUL>" or "<1F>", and cut after 300 characters.
std::string printableEntry(const std::string& entry);

}  // namespace common
