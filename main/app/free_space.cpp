#include "main/app/free_space.h"

namespace vorn {

bool probeExtendedFreeSpace(platform::Disk& disk) {
  std::uint64_t bytes = 0;
  return disk.freeSpaceEx("C:\\", bytes) == platform::err::kSuccess;
}

std::string freeSpaceKB(platform::Disk& disk, bool extended, const std::string& drive) {
  if (extended) {
    std::uint64_t bytes = 0;
    if (disk.freeSpaceEx("C:\\", bytes) != platform::err::kSuccess) return "0";
    std::string text = std::to_string(bytes / 1000);
    if (unsigned frac = static_cast<unsigned>(bytes % 1000); frac != 0) {
      std::string digits = std::to_string(1000 + frac).substr(1);
      while (digits.back() == '0') digits.pop_back();
      // Always "." so that the text reads back as a number whatever the locale.
      text += "." + digits;
    }
    return text;
  }
  if (drive.empty()) return {};
  platform::ClassicFreeSpace space;
  if (disk.freeSpace(std::string(1, drive[0]) + ":\\", space) != platform::err::kSuccess)
    return "0";
  // Multiplied in 64 bits: the 32-bit product wraps past 4 GB of free space.
  std::uint64_t bytes =
      std::uint64_t{space.sectorsPerCluster} * space.bytesPerSector * space.freeClusters;
  return std::to_string(bytes / 1024);
}

}  // namespace vorn
