#pragma once
// The one error type of the logic layer: a run-time error number with its description,
// numbered as the classic BASIC runtime numbers them, so that log records read alike
// whichever procedure trapped them.
#include <stdexcept>
#include <string>

#include "platform/win_types.h"

namespace common {

namespace errnum {
inline constexpr int kInvalidCall = 5;
inline constexpr int kOverflow = 6;
inline constexpr int kSubscript = 9;
inline constexpr int kDivisionByZero = 11;
inline constexpr int kTypeMismatch = 13;
inline constexpr int kInternal = 51;
inline constexpr int kBadFileName = 52;
inline constexpr int kFileNotFound = 53;
inline constexpr int kFileAlreadyOpen = 55;
inline constexpr int kDeviceIO = 57;
inline constexpr int kFileExists = 58;
inline constexpr int kDiskFull = 61;
inline constexpr int kInputPastEnd = 62;
inline constexpr int kPermissionDenied = 70;
inline constexpr int kPathFileAccess = 75;
inline constexpr int kPathNotFound = 76;
}  // namespace errnum

class RunError : public std::runtime_error {
 public:
  RunError(int number, std::string description);
  explicit RunError(int number);
  int number() const { return number_; }
  const std::string& description() const { return description_; }

 private:
  int number_;
  std::string description_;
};

// The runtime's description of an error number ("Type mismatch" for 13).
std::string errorDescription(int number);
// The run-time error number a failed file or registry call stands for.
int errorNumberFromWin32(platform::ErrorCode code);

[[noreturn]] void raise(int number);
// Raises the run-time error that a failed platform call stands for.
[[noreturn]] void raiseWin32(platform::ErrorCode code);
// Raises when `code` is a failure; returns otherwise.
inline void check(platform::ErrorCode code) {
  if (code != platform::err::kSuccess) raiseWin32(code);
}

}  // namespace common
