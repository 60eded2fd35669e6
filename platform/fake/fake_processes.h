#pragma once
// Started programs as records. A program starts when its file exists in the fake file
// system; `onStart` lets a test play what the started program does (write its files).
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "platform/fake/fake_files.h"
#include "platform/processes.h"

namespace platform::fake {

class FakeProcesses : public Processes {
 public:
  explicit FakeProcesses(FakeFiles& files) : files_(files) {}

  ErrorCode start(const std::string& commandLine, int showStyle, std::uint32_t& processId) override;
  ErrorCode waitForExit(std::uint32_t processId) override;
  ErrorCode shellExecute(std::uintptr_t owner, const std::string& verb, const std::string& file,
                         const std::string& parameters, const std::string& folder,
                         int showStyle) override;

  struct Started {
    std::string commandLine;
    int showStyle;
    std::uint32_t id;
  };
  struct ShellCall {
    std::uintptr_t owner;
    std::string verb, file, parameters, folder;
    int showStyle;
  };
  // Every event in order: "start <command line>", "wait <id>", "shell <verb> <file>".
  std::vector<std::string> events;
  std::vector<Started> started;
  std::vector<ShellCall> shellCalls;
  // Runs when a program starts; its result is the program's exit, seen by the wait.
  std::function<void(const std::string& commandLine)> onStart;

 private:
  FakeFiles& files_;
  std::uint32_t nextId_ = 100;
  std::set<std::uint32_t> known_;
};

}  // namespace platform::fake
