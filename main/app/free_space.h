#pragma once
// The free space of a drive in kilobytes, as text.
#include <string>

#include "platform/disk.h"

namespace vorn {

// True when the extended free-space query answers for "C:\".
bool probeExtendedFreeSpace(platform::Disk& disk);

// With the extended query: the free bytes of "C:\" (whatever drive is asked for) divided
// by 1000, with up to three decimals. Otherwise the classic query of the drive's letter:
// free bytes divided by 1024, whole. "0" when the query fails; empty for an empty drive.
std::string freeSpaceKB(platform::Disk& disk, bool extended, const std::string& drive);

}  // namespace vorn
