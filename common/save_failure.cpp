#include "common/save_failure.h"

namespace common {

std::string saveFailureReason(platform::ErrorCode code) {
  switch (code) {
    case 39:  // ERROR_HANDLE_DISK_FULL
    case platform::err::kDiskFull:
      return "the disk is full";
    case platform::err::kAccessDenied:
      return "the file or its folder is read-only, or access to it is denied";
    case 19:  // ERROR_WRITE_PROTECT
      return "the disk is write-protected";
    case platform::err::kSharingViolation:
    case 33:  // ERROR_LOCK_VIOLATION
      return "another program is using the file";
    case platform::err::kPathNotFound:
      return "its folder does not exist";
    case 206:  // ERROR_FILENAME_EXCED_RANGE
      return "its path is too long";
    case platform::err::kInvalidName:
      return "its name is not valid on this system";
    case platform::err::kWriteFault:
      return "the disk could not be written";
    default:
      return "error " + std::to_string(code);
  }
}

std::string saveFailureMessage(const std::string& what, const std::string& path,
                               platform::ErrorCode code) {
  return what + " could not be saved: " + saveFailureReason(code) + ".\r\n\r\n" + path;
}

std::string saveFailureLogText(const std::string& path, platform::ErrorCode code) {
  return path + " could not be saved: " + saveFailureReason(code) + " (" + std::to_string(code) +
         ")";
}

}  // namespace common
