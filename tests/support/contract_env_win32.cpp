#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <chrono>
#include <map>
#include <thread>

#include "platform/win32/win32_system.h"
#include "tests/support/contract_env.h"

namespace testing_support {
namespace {

bool underWine() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The Unix path Wine maps a Windows path to, or an empty text.
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

// Runs a Unix program (Wine starts ELF files like any other) on Unix paths. Its end is
// not reliably reported back, so callers check its effect.
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

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
}

bool waitForAttributes(const std::string& path, bool present) {
  for (int i = 0; i < 200; ++i) {
    if ((GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == present) return true;
    Sleep(25);
  }
  return false;
}

// A link is removed as a link, by RemoveDirectory/DeleteFile on the link itself.
void removeLinkItself(const std::string& path, DWORD attributes) {
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
    RemoveDirectoryA(path.c_str());
  } else {
    DeleteFileA(path.c_str());
  }
}

void removeTree(const std::string& folder) {
  // Under Wine a link whose target went first is no longer listed, and would keep its
  // folder: Unix removes the scratch tree, never following a link.
  if (underWine()) {
    // Unix programs end unreported: wait until the folder is gone, and start none for
    // a folder that is not there.
    if (GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    const std::string unix = unixPath(folder);
    if (unix.find("tervane-contract-") != std::string::npos && runUnix("rm", "-rf " + quoted(unix)))
      waitForAttributes(folder, false);
    return;
  }
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) {
        removeLinkItself(path, fd.dwFileAttributes);
        continue;
      }
      SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        removeTree(path);
      else
        DeleteFileA(path.c_str());
    } while (FindNextFileA(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryA(folder.c_str());
}

std::string environment(const char* name) {
  char value[4096] = {};
  DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
  return n > 0 && n < sizeof value ? std::string(value, n) : std::string();
}

bool endsWith(const std::string& text, const std::string& tail) {
  return text.size() >= tail.size() &&
         text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

// The Recycle Bin there is the project's own scratch trash, never a real user's.
bool inProjectWinePrefix() {
  HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) return false;
  // Wine hands the Unix HOME on as WINEHOMEDIR; the trash lives under XDG_DATA_HOME.
  const std::string prefix = environment("WINEPREFIX"), home = environment("WINEHOMEDIR"),
                    data = environment("XDG_DATA_HOME");
  // build/wine holds the 32-bit test prefix, build/wine64 the 64-bit one.
  for (const std::string dir : {"wine", "wine64"}) {
    if (endsWith(prefix, "/build/" + dir + "/prefix") &&
        endsWith(home, "\\build\\" + dir + "\\home") &&
        endsWith(data, "/build/" + dir + "/home/.local/share"))
      return true;
  }
  return false;
}

namespace {

BOOL CALLBACK findDialog(HWND w, LPARAM out) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w)) {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK findTree(HWND w, LPARAM out) {
  char cls[32] = {};
  GetClassNameA(w, cls, sizeof cls);
  if (lstrcmpiA(cls, WC_TREEVIEWA) == 0) {
    *reinterpret_cast<HWND*>(out) = w;
    return FALSE;
  }
  return TRUE;
}

// Waits (up to 15 s) until the picker's tree has left its root for a folder: under a
// parallel test run the picker sometimes stays on the desktop for a while, and an early
// OK would choose it.
void waitForStartingSelection(HWND dialog) {
  HWND tree = nullptr;
  EnumChildWindows(dialog, findTree, reinterpret_cast<LPARAM>(&tree));
  if (!tree) return;
  for (int i = 0; i < 150 && IsWindow(dialog); ++i) {
    LRESULT caret = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
    LRESULT root = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    if (caret && caret != root) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

// Finds the folder picker that the test's own thread opens and presses one of its buttons.
void pressPickerButton(DWORD thread, int button, std::string choose) {
  for (int tries = 0; tries < 200; ++tries) {
    HWND dialog = nullptr;
    EnumThreadWindows(thread, findDialog, reinterpret_cast<LPARAM>(&dialog));
    if (dialog) {
      // The user's own move to a folder, as a click in the tree would make it.
      if (!choose.empty())
        SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(choose.c_str()));
      if (button == IDOK) waitForStartingSelection(dialog);
      // Give the picker time to take its starting selection, then press until it closes
      // (a busy machine may drop the first press while the tree still fills).
      for (int press = 0; press < 10 && IsWindow(dialog); ++press) {
        std::this_thread::sleep_for(std::chrono::milliseconds(500));
        PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
      }
      return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
}

class Win32Env : public ContractEnv {
 public:
  Win32Env() {
    static int counter = 0;
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    std::string base(temp);
    if (!base.empty() && base.back() == '\\') base.pop_back();
    std::string suffix = std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    scratch_ = base + "\\tervane-contract-" + suffix;
    removeTree(scratch_);
    CreateDirectoryA(scratch_.c_str(), nullptr);
    key_ = "Software\\TervaneContract-" + suffix;
    SHDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    HKEY k;
    RegCreateKeyA(HKEY_CURRENT_USER, key_.c_str(), &k);
    RegCloseKey(k);
  }
  ~Win32Env() override {
    if (answerer_.joinable()) answerer_.join();
    for (auto& [path, h] : open_) CloseHandle(h);
    removeTree(scratch_);
    SHDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
  }
  platform::System& system() override { return real_.system(); }
  std::string scratch() const override { return scratch_; }
  std::string scratchKey() const override { return key_; }
  void setOpen(const std::string& path, bool open) override {
    if (open) {
      open_[path] = CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    } else if (open_.count(path)) {
      CloseHandle(open_[path]);
      open_.erase(path);
    }
  }
  bool makeLink(const std::string& link, const std::string& target) override {
    const DWORD targetAttributes = GetFileAttributesA(target.c_str());
    if (targetAttributes == INVALID_FILE_ATTRIBUTES) return false;
    if (underWine()) {
      // Wine 8 answers CreateSymbolicLink with success and makes nothing.
      const std::string from = unixPath(target), to = unixPath(link);
      if (from.empty() || to.empty()) return false;
      return runUnix("ln", "-s " + quoted(from) + " " + quoted(to)) &&
             waitForAttributes(link, true);
    }
    // Looked up: the programs are built for systems older than symbolic links.
    using CreateLink = BOOLEAN(WINAPI*)(LPCSTR, LPCSTR, DWORD);
    auto createLink = reinterpret_cast<CreateLink>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
    DWORD flags = 0x2;                                              // allow unprivileged creation
    if (targetAttributes & FILE_ATTRIBUTE_DIRECTORY) flags |= 0x1;  // a link to a folder
    return createLink && createLink(link.c_str(), target.c_str(), flags) &&
           (GetFileAttributesA(link.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT);
  }
  bool recycleBinIsScratch() const override { return inProjectWinePrefix(); }
  bool recycle(const std::string& path) override {
    std::string from = path + std::string(2, '\0');
    SHFILEOPSTRUCTA op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_ALLOWUNDO | FOF_NOCONFIRMATION | FOF_SILENT | FOF_NOERRORUI;
    return SHFileOperationA(&op) == 0 &&
           GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES;
  }
  long long recycleBinItems() override {
    SHQUERYRBINFO info{};
    info.cbSize = sizeof info;
    if (FAILED(SHQueryRecycleBinA(nullptr, &info))) return -1;
    return info.i64NumItems;
  }
  void answerNextFolderPicker(bool ok, const std::string& choose) override {
    if (answerer_.joinable()) answerer_.join();
    DWORD thread = GetCurrentThreadId();
    answerer_ = std::thread(pressPickerButton, thread, ok ? IDOK : IDCANCEL, choose);
  }

 private:
  std::thread answerer_;
  platform::win32::Win32System real_;
  std::string scratch_, key_;
  std::map<std::string, HANDLE> open_;
};

}  // namespace

std::unique_ptr<ContractEnv> makeWin32Env() {
  return std::make_unique<Win32Env>();
}

}  // namespace testing_support
