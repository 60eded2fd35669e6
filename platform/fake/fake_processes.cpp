#include "platform/fake/fake_processes.h"

namespace platform::fake {
namespace {

bool isAddress(const std::string& file) {
  return file.find("://") != std::string::npos || file.rfind("mailto:", 0) == 0;
}

}  // namespace

ErrorCode FakeProcesses::start(const std::string& commandLine, int showStyle,
                               std::uint32_t& processId) {
  std::string program = commandProgram(commandLine);
  std::uint32_t attributes = 0;
  ErrorCode rc = files_.getAttributes(program, attributes);
  if (rc == err::kSuccess && (attributes & attr::kDirectory)) rc = err::kAccessDenied;
  if (rc != err::kSuccess) return rc;
  processId = nextId_++;
  known_.insert(processId);
  started.push_back({commandLine, showStyle, processId});
  events.push_back("start " + commandLine);
  if (onStart) onStart(commandLine);
  return err::kSuccess;
}

ErrorCode FakeProcesses::waitForExit(std::uint32_t processId) {
  if (!known_.count(processId)) return err::kInvalidParameter;
  events.push_back("wait " + std::to_string(processId));
  return err::kSuccess;
}

ErrorCode FakeProcesses::shellExecute(std::uintptr_t owner, const std::string& verb,
                                      const std::string& file, const std::string& parameters,
                                      const std::string& folder, int showStyle) {
  if (!isAddress(file)) {
    std::uint32_t attributes = 0;
    ErrorCode rc = files_.getAttributes(file, attributes);
    if (rc != err::kSuccess) return rc;
  }
  shellCalls.push_back({owner, verb, file, parameters, folder, showStyle});
  events.push_back("shell " + verb + " " + file);
  return err::kSuccess;
}

}  // namespace platform::fake
