#include "tests/e2e/e2e_support.h"

#include <vector>

#include "tests/support/scratch_win32.h"

namespace e2e {
namespace {

void makeFolders(const std::string& folder) {
  for (std::size_t i = 3; i <= folder.size(); ++i)
    if (i == folder.size() || folder[i] == '\\')
      CreateDirectoryA(folder.substr(0, i).c_str(), nullptr);
}

}  // namespace

Scratch::Scratch(const std::string& name) {
  path_ = "C:\\tervane-e2e-" + name + "-" + std::to_string(GetCurrentProcessId());
  testing_support::removeScratchTree(path_);
  CreateDirectoryA(path_.c_str(), nullptr);
}

Scratch::~Scratch() {
  testing_support::removeScratchTree(path_);
}

std::string builtProgram(const char* unixPath) {
  std::string path = std::string("Z:") + unixPath;
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

void writeFile(const std::string& path, const std::string& contents, DWORD attributes) {
  makeFolders(path.substr(0, path.find_last_of('\\')));
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return;
  DWORD wrote = 0;
  WriteFile(h, contents.data(), static_cast<DWORD>(contents.size()), &wrote, nullptr);
  CloseHandle(h);
  if (attributes) SetFileAttributesA(path.c_str(), attributes);
}

std::string readFile(const std::string& path) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(h);
  return text;
}

bool exists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void copyFile(const std::string& from, const std::string& to) {
  makeFolders(to.substr(0, to.find_last_of('\\')));
  CopyFileA(from.c_str(), to.c_str(), FALSE);
}

Process::Process(const std::string& exe) {
  STARTUPINFOA si{};
  si.cb = sizeof si;
  std::vector<char> commandLine(exe.begin(), exe.end());
  commandLine.push_back('\0');
  // Started in the program's own folder, as the cleaner starts it.
  std::string folder = exe.substr(0, exe.find_last_of('\\'));
  if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      folder.c_str(), &si, &info_))
    info_ = {};
}

Process::~Process() {
  if (info_.hProcess) {
    if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 1);
    CloseHandle(info_.hProcess);
    CloseHandle(info_.hThread);
  }
}

bool Process::waitForExit(DWORD milliseconds) {
  return info_.hProcess && WaitForSingleObject(info_.hProcess, milliseconds) == WAIT_OBJECT_0;
}

namespace {

struct WindowSearch {
  DWORD pid;
  const std::string* title;
  const char* cls;
  HWND found;
};

BOOL CALLBACK matchWindow(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<WindowSearch*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid != s->pid || !IsWindowVisible(hwnd)) return TRUE;
  char text[256] = {}, cls[64] = {};
  GetWindowTextA(hwnd, text, sizeof text);
  GetClassNameA(hwnd, cls, sizeof cls);
  if (*s->title != text || (s->cls && lstrcmpiA(cls, s->cls) != 0)) return TRUE;
  s->found = hwnd;
  return FALSE;
}

}  // namespace

HWND waitForWindow(DWORD processId, const std::string& title, DWORD milliseconds,
                   const char* windowClass) {
  WindowSearch search{processId, &title, windowClass, nullptr};
  const DWORD start = GetTickCount();
  do {
    EnumWindows(&matchWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) return search.found;
    Sleep(50);
  } while (GetTickCount() - start < milliseconds);
  return nullptr;
}

}  // namespace e2e
