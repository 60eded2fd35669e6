#pragma once
// Starting programs and documents: a command line in a new process, the wait for a
// process to end, and the shell's verbs on files and addresses.
#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace platform {

// Window styles for a started program, with the SW_* values.
namespace show {
inline constexpr int kHide = 0;
inline constexpr int kNormal = 1;  // normal, focused
inline constexpr int kMinimized = 2;
inline constexpr int kMaximized = 3;
inline constexpr int kNormalNoFocus = 4;
}  // namespace show

class Processes {
 public:
  virtual ~Processes() = default;
  // Starts a command line (the program, optionally quoted, then its arguments) with the
  // given window style and returns the new process's id without waiting for it.
  // A missing program gives kFileNotFound or kPathNotFound.
  virtual ErrorCode start(const std::string& commandLine, int showStyle,
                          std::uint32_t& processId) = 0;
  // Opens a started process with the right to wait on it, waits without a time limit
  // until it ends and closes the handle. A process that already ended is no error;
  // an unknown id gives kInvalidParameter.
  virtual ErrorCode waitForExit(std::uint32_t processId) = 0;
  // Runs a shell verb ("open") on a file or address, like ShellExecuteA. `owner` is the
  // owning window's handle value, 0 for none. A missing file gives kFileNotFound.
  virtual ErrorCode shellExecute(std::uintptr_t owner, const std::string& verb,
                                 const std::string& file, const std::string& parameters,
                                 const std::string& folder, int showStyle) = 0;
};

// The program part of a command line: the quoted text, or the text up to the first blank.
std::string commandProgram(const std::string& commandLine);

}  // namespace platform
