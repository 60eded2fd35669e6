#include "platform/processes.h"

namespace platform {

std::string commandProgram(const std::string& commandLine) {
  std::size_t start = commandLine.find_first_not_of(' ');
  if (start == std::string::npos) return {};
  if (commandLine[start] == '"') {
    std::size_t end = commandLine.find('"', start + 1);
    return commandLine.substr(start + 1,
                              end == std::string::npos ? std::string::npos : end - start - 1);
  }
  std::size_t end = commandLine.find(' ', start);
  return commandLine.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

}  // namespace platform
