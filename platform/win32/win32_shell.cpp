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

int CALLBACK startAt(HWND window, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data) SendMessageA(window, BFFM_SETSELECTIONA, TRUE, data);
  return 0;
}

class Win32Shell : public Shell {
 public:
  ErrorCode deleteFiles(OwnerWindow owner, const std::string& source) override {
    std::string from = pathList(source);
    SHFILEOPSTRUCTA op{};
    op.hwnd = reinterpret_cast<HWND>(owner);
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.pTo = from.c_str();  // not used by a deletion
    op.fFlags = FOF_NOCONFIRMATION;
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
    op.fFlags = FOF_NOCONFIRMATION;
    return static_cast<ErrorCode>(SHFileOperationA(&op));
  }

  ErrorCode emptyRecycleBin(OwnerWindow owner, const std::string& root) override {
    return fromHresult(SHEmptyRecycleBinA(reinterpret_cast<HWND>(owner),
                                          root.empty() ? nullptr : root.c_str(),
                                          SHERB_NOCONFIRMATION));
  }

  ErrorCode knownFolder(int id, std::string& path) override {
    char buffer[MAX_PATH] = {};
    HRESULT hr = SHGetFolderPathA(nullptr, id, nullptr, SHGFP_TYPE_CURRENT, buffer);
    if (hr != S_OK) return hr == S_FALSE ? err::kFileNotFound : fromHresult(hr);
    std::string found(buffer);
    if (found.size() > 3 && found.back() == '\\') found.pop_back();
    path = found;
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
};

}  // namespace

std::unique_ptr<Shell> makeShell() {
  return std::make_unique<Win32Shell>();
}

}  // namespace platform::win32
