// clang-format off
#include <windows.h>
#include <shlobj.h>
// clang-format on

#include "platform/disk.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

using FreeSpaceExFn = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

class Win32Disk : public Disk {
 public:
  ErrorCode freeSpaceEx(const std::string& root, std::uint64_t& totalFreeBytes) override {
    // Looked up at run time: the first releases of the 9x family lack the call.
    auto fn = reinterpret_cast<FreeSpaceExFn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    if (!fn) return err::kProcNotFound;
    ULARGE_INTEGER available{}, total{}, totalFree{};
    if (!fn(root.c_str(), &available, &total, &totalFree)) return lastError();
    totalFreeBytes = totalFree.QuadPart;
    return err::kSuccess;
  }

  ErrorCode freeSpace(const std::string& root, ClassicFreeSpace& space) override {
    DWORD spc = 0, bps = 0, free = 0, total = 0;
    if (!GetDiskFreeSpaceA(root.c_str(), &spc, &bps, &free, &total)) return lastError();
    space = {spc, bps, free, total};
    return err::kSuccess;
  }
};

}  // namespace

std::unique_ptr<Disk> makeDisk() {
  return std::make_unique<Win32Disk>();
}

}  // namespace platform::win32
