#include "common/run_error.h"

namespace common {

RunError::RunError(int number, std::string description)
    : std::runtime_error(description), number_(number), description_(std::move(description)) {}

RunError::RunError(int number) : RunError(number, errorDescription(number)) {}

std::string errorDescription(int number) {
  switch (number) {
    case 5:
      return "Invalid procedure call or argument";
    case 6:
      return "Overflow";
    case 7:
      return "Out of memory";
    case 9:
      return "Subscript out of range";
    case 11:
      return "Division by zero";
    case 13:
      return "Type mismatch";
    case 51:
      return "Internal error";
    case 52:
      return "Bad file name or number";
    case 53:
      return "File not found";
    case 55:
      return "File already open";
    case 57:
      return "Device I/O error";
    case 58:
      return "File already exists";
    case 61:
      return "Disk full";
    case 62:
      return "Input past end of file";
    case 68:
      return "Device unavailable";
    case 70:
      return "Permission denied";
    case 75:
      return "Path/File access error";
    case 76:
      return "Path not found";
    default:
      return "Application-defined or object-defined error";
  }
}

int errorNumberFromWin32(platform::ErrorCode code) {
  namespace err = platform::err;
  switch (code) {
    case err::kFileNotFound:
      return errnum::kFileNotFound;
    case err::kPathNotFound:
      return errnum::kPathNotFound;
    case err::kAccessDenied:
    case err::kSharingViolation:
    case 33:  // ERROR_LOCK_VIOLATION
      return errnum::kPermissionDenied;
    case err::kFileExists:
    case err::kAlreadyExists:
      return errnum::kFileExists;
    case err::kDiskFull:
    case 39:  // ERROR_HANDLE_DISK_FULL
      return errnum::kDiskFull;
    case err::kInvalidName:
      return errnum::kBadFileName;
    case err::kDirNotEmpty:
    case 267:  // ERROR_DIRECTORY
      return errnum::kPathFileAccess;
    case err::kWriteFault:
    case 30:  // ERROR_READ_FAULT
      return errnum::kDeviceIO;
    case 21:  // ERROR_NOT_READY
      return 68;
    default:
      return errnum::kPathFileAccess;
  }
}

void raise(int number) {
  throw RunError(number);
}

void raiseWin32(platform::ErrorCode code) {
  raise(errorNumberFromWin32(code));
}

}  // namespace common
