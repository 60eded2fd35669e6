#pragma once
// The shell over the fake file system: deletions and copies act on FakeFiles with the
// shell's rules, the Recycle Bin is a list of names, known folders a table, and the
// folder picker answers from a script.
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/shell.h"

namespace platform::fake {

class FakeShell : public Shell {
 public:
  explicit FakeShell(Files& files);

  ErrorCode deleteFiles(OwnerWindow owner, const std::string& source) override;
  ErrorCode copyFile(OwnerWindow owner, const std::string& source,
                     const std::string& target) override;
  ErrorCode emptyRecycleBin(OwnerWindow owner, const std::string& root) override;
  ErrorCode recycleBinContents(const std::string& root, long long& items,
                               long long& bytes) override;
  ErrorCode knownFolder(int csidl, std::string& path) override;
  bool browseForFolder(OwnerWindow owner, const std::string& title, const std::string& initial,
                       std::string& path) override;
  std::string tempPath() override { return temp; }

  // Known folders by CSIDL; preset to a classic Windows 98 layout on drive C:. A folder
  // removed from the table is one the system does not have.
  std::map<int, std::string> folders;
  std::string temp = "C:\\WINDOWS\\TEMP\\";
  // Names in the Recycle Bin, by drive root ("C:\"); emptying drops them.
  std::map<std::string, std::vector<std::string>> recycled;
  int recycleBinEmptied = 0;
  // Each recycled name counts as this many bytes; false makes the bin uncountable.
  long long recycledItemBytes = 100;
  bool recycleBinCountable = true;
  // What the folder picker answers, one per call: a folder, an empty text for OK on the
  // folder it starts at, or none for Cancel. With no answer left it cancels. The titles asked and
  // owners given are recorded.
  std::deque<std::optional<std::string>> pickerAnswers;
  std::vector<std::string> pickerTitles;
  std::vector<OwnerWindow> owners;

 private:
  ErrorCode deleteTree(const std::string& path);
  ErrorCode deleteEntry(const std::string& path, bool isFolder);

  Files& files_;
};

}  // namespace platform::fake
