#include <shlwapi.h>
#include <windows.h>

#include <map>

#include "platform/win32/win32_system.h"
#include "tests/support/contract_env.h"

namespace testing_support {
namespace {

void removeTree(const std::string& folder) {
  WIN32_FIND_DATAA fd;
  HANDLE h = FindFirstFileA((folder + "\\*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::string name = fd.cFileName;
      if (name == "." || name == "..") continue;
      std::string path = folder + "\\" + name;
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
