#include <windows.h>
// After windows.h, which they build on.
#include <shellapi.h>
#include <shlobj.h>

#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

// A path list for SHFileOperationA: the path, then the two NULs that end the list.
std::string pathList(const std::string& path) {
  return path + std::string(2, '\0');
}

ErrorCode fromHresult(HRESULT hr) {
  if (SUCCEEDED(hr)) return err::kSuccess;
  if (HRESULT_FACILITY(hr) == FACILITY_WIN32) return static_cast<ErrorCode>(HRESULT_CODE(hr));
  return static_cast<ErrorCode>(hr);
}

std::string withoutTrailingSeparator(std::string path) {
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return path;
}

using FolderPathCall = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPSTR);

// SHGetFolderPathA from shfolder.dll, the shell-folder service every system with
// Internet Explorer 5 has; looked up, as shell32 exports it only from 2000 and ME on.
FolderPathCall folderPathCall() {
  static const FolderPathCall call = [] {
    HMODULE dll = LoadLibraryA("shfolder.dll");
    return dll ? reinterpret_cast<FolderPathCall>(
                     reinterpret_cast<void*>(GetProcAddress(dll, "SHGetFolderPathA")))
               : nullptr;
  }();
  return call;
}

int CALLBACK startAt(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

// SHERB_NOCONFIRMATION and SHGFP_TYPE_CURRENT, whose headers need a newer system.
constexpr DWORD kEmptyWithoutAsking = 0x1;
// SHERB_NOPROGRESSUI | SHERB_NOSOUND.
constexpr DWORD kEmptySilently = 0x2 | 0x4;
// FOF_NOERRORUI: shells before 4.71 ignore it and may still show an error box.
constexpr FILEOP_FLAGS kNoErrorUi = 0x400;
constexpr DWORD kCurrentFolderPath = 0;

std::string registryText(HKEY root, const char* key, const char* name) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(root, key, 0, KEY_QUERY_VALUE, &k) != ERROR_SUCCESS) return {};
  char value[MAX_PATH * 2] = {};
  DWORD type = 0, size = sizeof value - 1;
  const LONG e = RegQueryValueExA(k, name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
  RegCloseKey(k);
  if (e != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return {};
  if (type == REG_SZ) return value;
  char expanded[MAX_PATH * 2] = {};
  const DWORD n = ExpandEnvironmentStringsA(value, expanded, sizeof expanded);
  return n > 0 && n <= sizeof expanded ? expanded : value;
}

std::string environmentText(const char* name) {
  char value[MAX_PATH * 2] = {};
  const DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? value : std::string();
}

}  // namespace

ErrorCode shellFolderFromRegistry(int id, std::string& path) {
  static const char kShellFolders[] =
      "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
  std::string found;
  char buffer[MAX_PATH] = {};
  switch (id) {
    case csidl::kRecent:
      found = registryText(HKEY_CURRENT_USER, kShellFolders, "Recent");
      break;
    case csidl::kAppData:
      found = registryText(HKEY_CURRENT_USER, kShellFolders, "AppData");
      break;
    case csidl::kInternetCache:
      found = registryText(HKEY_CURRENT_USER, kShellFolders, "Cache");
      break;
    case csidl::kCookies:
      found = registryText(HKEY_CURRENT_USER, kShellFolders, "Cookies");
      break;
    case csidl::kHistory:
      found = registryText(HKEY_CURRENT_USER, kShellFolders, "History");
      break;
    case csidl::kWindows:
      if (GetWindowsDirectoryA(buffer, MAX_PATH) < MAX_PATH) found = buffer;
      break;
    case csidl::kSystem:
      if (GetSystemDirectoryA(buffer, MAX_PATH) < MAX_PATH) found = buffer;
      break;
    case csidl::kProgramFiles:
      found = registryText(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion",
                           "ProgramFilesDir");
      break;
    case csidl::kProfile:
      found = environmentText("USERPROFILE");
      break;  // NT only
    default:
      break;
  }
  if (found.empty()) return err::kFileNotFound;
  path = withoutTrailingSeparator(found);
  return err::kSuccess;
}

namespace {

class Win32Shell : public Shell {
 public:
  explicit Win32Shell(bool silent)
      : operationFlags_(FOF_NOCONFIRMATION | (silent ? FOF_SILENT | kNoErrorUi : 0)),
        emptyFlags_(kEmptyWithoutAsking | (silent ? kEmptySilently : 0)) {}

  ErrorCode deleteFiles(OwnerWindow owner, const std::string& source) override {
    std::string from = pathList(source);
    SHFILEOPSTRUCTA op{};
    op.hwnd = reinterpret_cast<HWND>(owner);
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.pTo = from.c_str();  // not used by a deletion
    op.fFlags = operationFlags_;
    return static_cast<ErrorCode>(SHFileOperationA(&op));
  }

  ErrorCode copyFile(OwnerWindow owner, const std::string& source,
                     const std::string& target) override {
    std::string from = pathList(source), to = pathList(target);
    SHFILEOPSTRUCTA op{};
    op.hwnd = reinterpret_cast<HWND>(owner);
    op.wFunc = FO_COPY;
    op.pFrom = from.c_str();
    op.pTo = to.c_str();
    op.fFlags = operationFlags_;
    return static_cast<ErrorCode>(SHFileOperationA(&op));
  }

  ErrorCode emptyRecycleBin(OwnerWindow owner, const std::string& root) override {
    // Looked up: the shell of Windows 95 and NT 4.0 without the desktop update has no
    // call that empties the Recycle Bin; the step then reports that it is not supported.
    using EmptyBin = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    static const auto emptyBin = reinterpret_cast<EmptyBin>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("shell32.dll"), "SHEmptyRecycleBinA")));
    if (!emptyBin) return ERROR_CALL_NOT_IMPLEMENTED;
    return fromHresult(emptyBin(reinterpret_cast<HWND>(owner),
                                root.empty() ? nullptr : root.c_str(), emptyFlags_));
  }

  ErrorCode recycleBinContents(const std::string& root, long long& items,
                               long long& bytes) override {
    // Looked up for the same reason as the emptying: older shells cannot count the bin.
    using QueryBin = HRESULT(WINAPI*)(LPCSTR, SHQUERYRBINFO*);
    static const auto queryBin = reinterpret_cast<QueryBin>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("shell32.dll"), "SHQueryRecycleBinA")));
    if (!queryBin) return ERROR_CALL_NOT_IMPLEMENTED;
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (HRESULT hr = queryBin(root.empty() ? nullptr : root.c_str(), &info); FAILED(hr))
      return fromHresult(hr);
    items = info.i64NumItems;
    bytes = info.i64Size;
    return ERROR_SUCCESS;
  }

  ErrorCode knownFolder(int id, std::string& path) override {
    FolderPathCall call = folderPathCall();
    if (!call) return shellFolderFromRegistry(id, path);
    char buffer[MAX_PATH] = {};
    HRESULT hr = call(nullptr, id, nullptr, kCurrentFolderPath, buffer);
    if (hr != S_OK) return hr == S_FALSE ? err::kFileNotFound : fromHresult(hr);
    path = withoutTrailingSeparator(buffer);
    return err::kSuccess;
  }

  bool browseForFolder(OwnerWindow owner, const std::string& title, const std::string& initial,
                       std::string& path) override {
    char display[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = reinterpret_cast<HWND>(owner);
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!initial.empty()) {
      info.lpfn = startAt;
      info.lParam = reinterpret_cast<LPARAM>(initial.c_str());
    }
    LPITEMIDLIST item = SHBrowseForFolderA(&info);
    if (!item) return false;
    char chosen[MAX_PATH] = {};
    const bool ok = SHGetPathFromIDListA(item, chosen) != FALSE;
    CoTaskMemFree(item);
    if (!ok) return false;
    path = chosen;
    return true;
  }

  std::string tempPath() override {
    char buffer[MAX_PATH + 1] = {};
    DWORD n = GetTempPathA(sizeof buffer, buffer);
    return n > 0 && n < sizeof buffer ? std::string(buffer, n) : std::string();
  }

 private:
  FILEOP_FLAGS operationFlags_;
  DWORD emptyFlags_;
};

}  // namespace

std::unique_ptr<Shell> makeShell(bool silent) {
  return std::make_unique<Win32Shell>(silent);
}

}  // namespace platform::win32
