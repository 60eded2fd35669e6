// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <map>
#include <vector>

#include "platform/processes.h"
#include "platform/win32/win32_error.h"
#include "platform/win32/win32_system.h"

namespace platform::win32 {
namespace {

class Win32Processes : public Processes {
 public:
  ~Win32Processes() override {
    for (auto& [id, handle] : handles_) CloseHandle(handle);
  }

  ErrorCode start(const std::string& commandLine, int showStyle,
                  std::uint32_t& processId) override {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESHOWWINDOW;
    si.wShowWindow = static_cast<WORD>(showStyle);
    PROCESS_INFORMATION pi{};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');
    if (!CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                        &pi))
      return lastError();
    CloseHandle(pi.hThread);
    processId = pi.dwProcessId;
    // Keeping the handle lets a later wait find a process that has already ended.
    handles_[processId] = pi.hProcess;
    return err::kSuccess;
  }

  ErrorCode waitForExit(std::uint32_t processId) override {
    HANDLE handle = nullptr;
    auto it = handles_.find(processId);
    if (it != handles_.end()) {
      handle = it->second;
      handles_.erase(it);
    } else {
      handle = OpenProcess(SYNCHRONIZE, FALSE, processId);
      if (!handle) return lastError();
    }
    DWORD rc = WaitForSingleObject(handle, INFINITE);
    ErrorCode result = rc == WAIT_FAILED ? lastError() : err::kSuccess;
    CloseHandle(handle);
    return result;
  }

  ErrorCode shellExecute(std::uintptr_t owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& folder,
                         int showStyle) override {
    auto rc = reinterpret_cast<INT_PTR>(
        ShellExecuteA(reinterpret_cast<HWND>(owner), verb.empty() ? nullptr : verb.c_str(),
                      file.c_str(), parameters.empty() ? nullptr : parameters.c_str(),
                      folder.empty() ? nullptr : folder.c_str(), showStyle));
    if (rc > 32) return err::kSuccess;
    switch (rc) {
      case 0:
        return ERROR_OUTOFMEMORY;
      case SE_ERR_NOASSOC:
        return ERROR_NO_ASSOCIATION;
      case SE_ERR_ACCESSDENIED:
        return err::kAccessDenied;
      default:
        return static_cast<ErrorCode>(rc);  // 2 and 3 are the Win32 codes
    }
  }

 private:
  std::map<std::uint32_t, HANDLE> handles_;
};

}  // namespace

std::unique_ptr<Processes> makeProcesses() {
  return std::make_unique<Win32Processes>();
}

}  // namespace platform::win32
