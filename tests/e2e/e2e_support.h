#pragma once
// What the end-to-end tests share: a scratch folder on C:, the built programs copied
// into it, and a way to start them and wait.
#include <windows.h>

#include <string>

namespace e2e {

// A fresh folder "C:\tervane-e2e-<name>-<pid>", removed with everything in it at the end;
// links inside are removed as links, never followed.
class Scratch {
 public:
  explicit Scratch(const std::string& name);
  ~Scratch();
  Scratch(const Scratch&) = delete;
  Scratch& operator=(const Scratch&) = delete;
  const std::string& path() const { return path_; }
  std::string at(const std::string& relative) const { return path_ + "\\" + relative; }

 private:
  std::string path_;
};

// The Windows path of a program built in this tree (given as a Unix path).
std::string builtProgram(const char* unixPath);
// Creates the file and the folders above it.
void writeFile(const std::string& path, const std::string& contents, DWORD attributes = 0);
std::string readFile(const std::string& path);
bool exists(const std::string& path);
void copyFile(const std::string& from, const std::string& to);

// A started program; its handle is closed at the end.
class Process {
 public:
  explicit Process(const std::string& exe);
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  bool started() const { return info_.hProcess != nullptr; }
  DWORD id() const { return info_.dwProcessId; }
  // True when the program ended within the time.
  bool waitForExit(DWORD milliseconds);

 private:
  PROCESS_INFORMATION info_{};
};

// The first visible top-level window of `processId` with that title and, when given,
// class; waits for it up to `milliseconds`.
HWND waitForWindow(DWORD processId, const std::string& title, DWORD milliseconds,
                   const char* windowClass = nullptr);

}  // namespace e2e
