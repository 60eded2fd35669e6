#pragma once
// Free space of a drive.
#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace platform {

struct ClassicFreeSpace {
  std::uint32_t sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
};

class Disk {
 public:
  virtual ~Disk() = default;
  // The extended query (GetDiskFreeSpaceExA): the drive's total free bytes. Systems that
  // lack the query give kProcNotFound.
  virtual ErrorCode freeSpaceEx(const std::string& root, std::uint64_t& totalFreeBytes) = 0;
  // The classic query (GetDiskFreeSpaceA) in clusters and sectors.
  virtual ErrorCode freeSpace(const std::string& root, ClassicFreeSpace& space) = 0;
};

namespace err {
inline constexpr ErrorCode kProcNotFound = 127;
}

}  // namespace platform
