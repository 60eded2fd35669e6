#include <windows.h>

#include "platform/win32/win32_error.h"
#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

class Win32FileIdentity : public FileIdentity {
 public:
  ErrorCode identify(const std::string& path, FileId& id) override {
    // No access rights needed: only the handle's information is read. Backup semantics
    // let the call open folders.
    HANDLE h = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return lastError();
    BY_HANDLE_FILE_INFORMATION info;
    ErrorCode result = err::kSuccess;
    if (GetFileInformationByHandle(h, &info)) {
      id.volumeSerial = info.dwVolumeSerialNumber;
      id.fileIndex = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    } else {
      result = lastError();
    }
    CloseHandle(h);
    return result;
  }
};

}  // namespace

std::unique_ptr<FileIdentity> makeFileIdentity() {
  return std::make_unique<Win32FileIdentity>();
}

}  // namespace platform::win32
