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
  bool windowsVersion(int& major, int& minor) override {
    const DWORD v = GetVersion();
    major = static_cast<int>(LOBYTE(LOWORD(v)));
    minor = static_cast<int>(HIBYTE(LOWORD(v)));
    return major > 0;
  }
  std::string programFile() override {
    char path[MAX_PATH * 2] = {};
    DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    // A path that filled the buffer was cut: no name at all is safer than a wrong one.
    if (n == 0 || n >= sizeof path) return {};
    std::string ansi(path, n);
    // A name outside the ANSI code page comes back with "?" (or a look-alike letter) and
    // names nothing; a long one leaves no room for the program's own files. On NT the
    // folder's short name, where the volume keeps one, serves instead.
    const bool reachable = GetFileAttributesA(ansi.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (reachable && ansi.size() <= kRoomyPathLength) return ansi;
    const std::string shortName = shortProgramFile();
    if (!shortName.empty() && (!reachable || shortName.size() < ansi.size())) return shortName;
    return ansi;
  }

 private:
  // Leaves room for the program's own file names beside it.
  static constexpr std::size_t kRoomyPathLength = 200;

  // The program file's short name in ANSI, or empty where the system keeps none, the
  // wide calls are missing (9x has stubs that fail) or it does not round-trip either.
  static std::string shortProgramFile() {
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    if (!kernel) return {};
    using ModuleName = DWORD(WINAPI*)(HMODULE, LPWSTR, DWORD);
    using ShortName = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    auto moduleName = reinterpret_cast<ModuleName>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetModuleFileNameW")));
    auto shortName = reinterpret_cast<ShortName>(
        reinterpret_cast<void*>(GetProcAddress(kernel, "GetShortPathNameW")));
    if (!moduleName || !shortName) return {};
    wchar_t wide[MAX_PATH * 2] = {}, brief[MAX_PATH * 2] = {};
    const DWORD n = moduleName(nullptr, wide, MAX_PATH * 2);
    if (n == 0 || n >= MAX_PATH * 2) return {};
    const DWORD m = shortName(wide, brief, MAX_PATH * 2);
    if (m == 0 || m >= MAX_PATH * 2) return {};
    char ansi[MAX_PATH * 2] = {};
    BOOL lossy = FALSE;
    const int k = WideCharToMultiByte(CP_ACP, 0, brief, static_cast<int>(m), ansi, sizeof ansi,
                                      nullptr, &lossy);
    if (k <= 0 || lossy) return {};
    std::string result(ansi, static_cast<std::size_t>(k));
    if (GetFileAttributesA(result.c_str()) == INVALID_FILE_ATTRIBUTES) return {};
    return result;
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
