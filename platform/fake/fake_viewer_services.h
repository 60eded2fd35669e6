#pragma once
// Fakes of the regional settings, the shell's file descriptions and the shell's "open",
// for the windows that show files.
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/locale.h"
#include "platform/shell_file_info.h"
#include "platform/shell_open.h"

namespace platform::fake {

// Separator "," and short dates as day/month/year with two-digit day and month.
class FakeLocale : public Locale {
 public:
  std::string thousandsSeparator() override { return separator; }
  std::string shortDate(const LocalTime& date) override;
  std::string separator = ",";
};

// Type names by extension, as an English system names them; folders are "File Folder",
// files without a known extension "<EXT> File" and files without one "File". Each type
// name gets its own icon position; "Application" files each get their own, as programs
// carry their own icons. Paths are looked up in FakeFiles.
class FakeShellFileInfo : public ShellFileInfo {
 public:
  explicit FakeShellFileInfo(Files& files);
  bool describe(const std::string& path, ShellFileDescription& description) override;
  bool isWindowsExecutable(const std::string& path) override;

  // Extension (lower case, no dot) to type name.
  std::map<std::string, std::string> types;
  // Paths (lower case) of programs that are no Windows programs.
  std::vector<std::string> dosPrograms;
  int describeCalls = 0;

 private:
  Files& files_;
  std::map<std::string, int> icons_;
};

// Records what was opened; answers with `result`.
class FakeShellOpen : public ShellOpen {
 public:
  ErrorCode open(OwnerWindow owner, const std::string& path) override {
    opened.push_back(path);
    return result;
  }
  std::vector<std::string> opened;
  ErrorCode result = err::kSuccess;
};

}  // namespace platform::fake
