#include <windows.h>
// After windows.h, which they build on.
#include <commctrl.h>
#include <shellapi.h>
#include <shlobj.h>
#include <shlwapi.h>

#include <map>

#include "platform/win32/win32_system.h"
#include "tests/support/contract_env.h"
#include "tests/support/modal_answer_win32.h"
#include "tests/support/scratch_win32.h"

namespace testing_support {
namespace {

bool waitForAttributes(const std::string& path, bool present) {
  for (int i = 0; i < 200; ++i) {
    if ((GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) == present) return true;
    Sleep(25);
  }
  return false;
}

std::string quoted(const std::string& text) {
  return "\"" + text + "\"";
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
    Sleep(100);
  }
}

// The user's answer to the folder picker: first a move to the folder (as a click in the
// tree would make it), then presses of the button until the picker closes (a busy
// machine may drop a press while the tree still fills).
testing_support::ModalAnswer pickerAnswer(int button, const std::string& choose) {
  testing_support::ModalAnswer answer;
  answer.matches = testing_support::dialogTitled();
  answer.respond = [button, choose](HWND dialog, int attempt) {
    if (attempt > 0) return testing_support::pressButton(button)(dialog, attempt);
    if (!choose.empty())
      SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(choose.c_str()));
    if (button == IDOK) waitForStartingSelection(dialog);
  };
  return answer;
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
    removeScratchTree(scratch_);
    CreateDirectoryA(scratch_.c_str(), nullptr);
    key_ = "Software\\TervaneContract-" + suffix;
    SHDeleteKeyA(HKEY_CURRENT_USER, key_.c_str());
    HKEY k;
    RegCreateKeyA(HKEY_CURRENT_USER, key_.c_str(), &k);
    RegCloseKey(k);
  }
  ~Win32Env() override {
    for (auto& [path, h] : open_) CloseHandle(h);
    removeScratchTree(scratch_);
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
  bool answeringFolderPicker(bool ok, const std::string& choose,
                             const std::function<bool()>& openPicker) override {
    bool result = false;
    runAnswered([&] { result = openPicker(); }, pickerAnswer(ok ? IDOK : IDCANCEL, choose));
    return result;
  }

 private:
  platform::win32::Win32System real_;
  std::string scratch_, key_;
  std::map<std::string, HANDLE> open_;
};

}  // namespace

std::unique_ptr<ContractEnv> makeWin32Env() {
  return std::make_unique<Win32Env>();
}

}  // namespace testing_support
