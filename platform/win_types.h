#pragma once
// The vocabulary of the platform seam. It speaks Windows: Win32 result codes, file
// attribute bits, FILETIME ticks, predefined registry roots. Nothing here includes
// <windows.h>, so the logic above the seam builds and tests on Linux.
#include <cstdint>
#include <string>

namespace platform {

// A Win32 result code (what GetLastError() or a Reg* function returns).
using ErrorCode = std::uint32_t;

namespace err {
inline constexpr ErrorCode kSuccess = 0;
inline constexpr ErrorCode kFileNotFound = 2;
inline constexpr ErrorCode kPathNotFound = 3;
inline constexpr ErrorCode kAccessDenied = 5;
inline constexpr ErrorCode kInvalidHandle = 6;
inline constexpr ErrorCode kNoMoreFiles = 18;
inline constexpr ErrorCode kWriteFault = 29;
inline constexpr ErrorCode kSharingViolation = 32;
inline constexpr ErrorCode kNotSupported = 50;
inline constexpr ErrorCode kFileExists = 80;
inline constexpr ErrorCode kInvalidParameter = 87;
inline constexpr ErrorCode kDiskFull = 112;
inline constexpr ErrorCode kInvalidName = 123;
inline constexpr ErrorCode kDirNotEmpty = 145;
inline constexpr ErrorCode kAlreadyExists = 183;
inline constexpr ErrorCode kMoreData = 234;
inline constexpr ErrorCode kBadKey = 1010;
inline constexpr ErrorCode kCancelled = 1223;  // ERROR_CANCELLED
inline constexpr ErrorCode kCantResolveFilename = 1921;
inline constexpr ErrorCode kReparsePointEncountered = 4395;
}  // namespace err

namespace attr {
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kNormal = 0x80;
inline constexpr std::uint32_t kReparsePoint = 0x400;
inline constexpr std::uint32_t kInvalid = 0xFFFFFFFF;
}  // namespace attr

// 100-nanosecond ticks since 1 January 1601, UTC: a Win32 FILETIME as one number.
using FileTime = std::uint64_t;

// A calendar moment on the local clock (SYSTEMTIME without the weekday).
struct LocalTime {
  int year = 1601, month = 1, day = 1, hour = 0, minute = 0, second = 0, millisecond = 0;
  friend bool operator==(const LocalTime&, const LocalTime&) = default;
};

// One entry of a directory listing (WIN32_FIND_DATAA, the parts the programs use).
struct FindData {
  std::string name;
  std::uint32_t attributes = 0;
  std::uint64_t size = 0;
  FileTime created = 0;
  FileTime modified = 0;
  bool isDirectory() const { return (attributes & attr::kDirectory) != 0; }
};

// Registry handles: predefined roots keep their Win32 values; opened keys are opaque.
using HKey = std::uintptr_t;
namespace hkey {
inline constexpr HKey kClassesRoot = 0x80000000u;
inline constexpr HKey kCurrentUser = 0x80000001u;
inline constexpr HKey kLocalMachine = 0x80000002u;
inline constexpr HKey kUsers = 0x80000003u;
inline constexpr HKey kPerformanceData = 0x80000004u;
inline constexpr HKey kCurrentConfig = 0x80000005u;
inline constexpr HKey kDynData = 0x80000006u;
}  // namespace hkey

namespace regtype {
inline constexpr std::uint32_t kNone = 0;
inline constexpr std::uint32_t kString = 1;  // REG_SZ
inline constexpr std::uint32_t kExpandString = 2;
inline constexpr std::uint32_t kBinary = 3;
inline constexpr std::uint32_t kDword = 4;
}  // namespace regtype

namespace access {
inline constexpr std::uint32_t kRead = 0x20019;   // KEY_READ
inline constexpr std::uint32_t kWrite = 0x20006;  // KEY_WRITE
inline constexpr std::uint32_t kAll = 0xF003F;    // KEY_ALL_ACCESS
}  // namespace access

}  // namespace platform
