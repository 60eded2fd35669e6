#pragma once
// A drive whose free space a test sets.
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "platform/disk.h"

namespace platform::fake {

class FakeDisk : public Disk {
 public:
  ErrorCode freeSpaceEx(const std::string& root, std::uint64_t& totalFreeBytes) override {
    calls.push_back("ex " + root);
    if (!hasExtendedQuery) return err::kProcNotFound;
    if (!present(root)) return err::kPathNotFound;
    totalFreeBytes = freeBytes;
    return err::kSuccess;
  }
  ErrorCode freeSpace(const std::string& root, ClassicFreeSpace& space) override {
    calls.push_back("classic " + root);
    if (!present(root)) return err::kPathNotFound;
    space = classic;
    return err::kSuccess;
  }

  bool hasExtendedQuery = true;
  bool failing = false;      // every drive fails, as a broken one would
  std::string drives = "C";  // the drive letters that exist
  std::uint64_t freeBytes = 2'000'000'000;
  ClassicFreeSpace classic{8, 512, 100'000, 500'000};
  std::vector<std::string> calls;

 private:
  bool present(const std::string& root) const {
    if (failing || root.empty()) return false;
    char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
    return drives.find(letter) != std::string::npos;
  }
};

}  // namespace platform::fake
