#include "platform/win32/win32_system.h"

#include <windows.h>

#include "platform/registry_user_settings.h"

namespace platform::win32 {
namespace {

class Win32ProcessInfo : public ProcessInfo {
 public:
  std::string programFolder() override {
    const std::string full = programFile();
    std::size_t cut = full.find_last_of("\\/");
    if (cut == std::string::npos) return {};
    // Like the classic App.Path: no separator at the end, except for a drive root.
    return cut == 2 ? full.substr(0, 3) : full.substr(0, cut);
  }
  std::string programFile() override {
    char path[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    // A path that filled the buffer was cut: no name at all is safer than a wrong one.
    if (n == 0 || n >= sizeof path) return {};
    return std::string(path, n);
  }
};

}  // namespace

std::unique_ptr<ProcessInfo> makeProcessInfo() {
  return std::make_unique<Win32ProcessInfo>();
}

Win32System::Win32System(bool silentShell)
    : files_(makeFiles()),
      registry_(makeRegistry()),
      clock_(makeClock()),
      process_(makeProcessInfo()),
      identity_(makeFileIdentity()),
      userSettings_(std::make_unique<RegistryUserSettings>(*registry_)),
      processes_(makeProcesses()),
      disk_(makeDisk()),
      shell_(makeShell(silentShell)),
      removal_(std::make_unique<WalkingTreeRemoval>(*files_)),
      system_{*files_,        *registry_,  *clock_, *process_, *identity_,
              *userSettings_, *processes_, *disk_,  *shell_,   *removal_} {}

}  // namespace platform::win32
