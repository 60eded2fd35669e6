#include "tests/support/scratch_win32.h"

#include <windows.h>

#include "platform/tree_removal.h"
#include "platform/win32/win32_system.h"

namespace testing_support {
namespace {

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

}  // namespace

bool underWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

std::string unixPath(const std::string& path) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return {};
  std::wstring wide(path.size() + 1, L'\0');
  wide.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                                                           static_cast<int>(wide.size()))));
  char* found = toUnix(wide.c_str());
  if (!found) return {};
  std::string result(found);
  HeapFree(GetProcessHeap(), 0, found);
  return result;
}

bool runUnix(const std::string& program, const std::string& arguments) {
  std::string command = program + " " + arguments;
  std::string file = "Z:\\bin\\" + program;
  STARTUPINFOA si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessA(file.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &si, &pi))
    return false;
  WaitForSingleObject(pi.hProcess, 10000);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return true;
}

bool removeScratchTree(const std::string& folder) {
  if (folder.find("tervane-") == std::string::npos) return false;
  if (!exists(folder)) return true;
  auto files = platform::win32::makeFiles();
  platform::WalkingTreeRemoval removal(*files);
  removal.removeFolder(folder);
  if (exists(folder) && underWine()) {
    const std::string unix = unixPath(folder);
    if (unix.find("tervane-") != std::string::npos &&
        runUnix("find", quoted(unix) + " -type l -delete")) {
      // A Unix program's end is not reported reliably: give the links time to go.
      for (int i = 0; i < 40 && exists(folder); ++i) {
        removal.removeFolder(folder);
        if (exists(folder)) Sleep(50);
      }
    }
  }
  return !exists(folder);
}

}  // namespace testing_support
