#include "platform/fake/fake_shell.h"

#include <cctype>

#include "platform/wildcard.h"

namespace platform::fake {
namespace {

bool isDots(const std::string& name) {
  return name == "." || name == "..";
}

std::string upperDrive(std::string root) {
  if (!root.empty()) root[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
  return root;
}

}  // namespace

FakeShell::FakeShell(Files& files) : files_(files) {
  folders = {
      {csidl::kWindows, "C:\\WINDOWS"},
      {csidl::kSystem, "C:\\WINDOWS\\SYSTEM"},
      {csidl::kProgramFiles, "C:\\Program Files"},
      {csidl::kRecent, "C:\\WINDOWS\\Recent"},
      {csidl::kAppData, "C:\\WINDOWS\\Application Data"},
      {csidl::kInternetCache, "C:\\WINDOWS\\Temporary Internet Files"},
      {csidl::kCookies, "C:\\WINDOWS\\Cookies"},
      {csidl::kHistory, "C:\\WINDOWS\\History"},
  };
}

// Hidden and system files go like any other; a read-only one refuses and stops the rest.
ErrorCode FakeShell::deleteEntry(const std::string& path, bool isFolder) {
  if (isFolder) return deleteTree(path);
  return files_.deleteFile(path);
}

ErrorCode FakeShell::deleteTree(const std::string& folder) {
  std::vector<FindData> entries;
  files_.find(folder + "\\*.*", [&](const FindData& d) {
    if (!isDots(d.name)) entries.push_back(d);
    return true;
  });
  for (const FindData& d : entries)
    if (ErrorCode e = deleteEntry(folder + "\\" + d.name, d.isDirectory())) return e;
  return files_.removeDirectory(folder);
}

ErrorCode FakeShell::deleteFiles(OwnerWindow owner, const std::string& source) {
  owners.push_back(owner);
  std::size_t cut = source.find_last_of('\\');
  const std::string folder = cut == std::string::npos ? "" : source.substr(0, cut);
  const std::string leaf = cut == std::string::npos ? source : source.substr(cut + 1);
  if (!hasWildcard(leaf)) {
    std::uint32_t a = 0;
    if (ErrorCode e = files_.getAttributes(source, a)) return e;
    return deleteEntry(source, (a & attr::kDirectory) != 0);
  }
  std::vector<FindData> entries;
  ErrorCode e = files_.find(source, [&](const FindData& d) {
    if (!isDots(d.name)) entries.push_back(d);
    return true;
  });
  if (e) return e;
  // Like the shell, a pattern that matches nothing at all is an error, not a no-op.
  if (entries.empty()) return err::kFileNotFound;
  for (const FindData& d : entries)
    if (ErrorCode failed = deleteEntry(folder + "\\" + d.name, d.isDirectory())) return failed;
  return err::kSuccess;
}

ErrorCode FakeShell::copyFile(OwnerWindow owner, const std::string& source,
                              const std::string& target) {
  owners.push_back(owner);
  std::string data;
  if (ErrorCode e = files_.readFile(source, data)) return e;
  return files_.writeFile(target, data);
}

ErrorCode FakeShell::emptyRecycleBin(OwnerWindow owner, const std::string& root) {
  owners.push_back(owner);
  ++recycleBinEmptied;
  if (root.empty())
    recycled.clear();
  else
    recycled.erase(upperDrive(root));
  return err::kSuccess;
}

ErrorCode FakeShell::recycleBinContents(const std::string& root, long long& items,
                                        long long& bytes) {
  if (!recycleBinCountable) return err::kNotSupported;
  long long count = 0;
  for (const auto& [drive, names] : recycled)
    if (root.empty() || drive == upperDrive(root)) count += static_cast<long long>(names.size());
  items = count;
  bytes = count * recycledItemBytes;
  return err::kSuccess;
}

ErrorCode FakeShell::knownFolder(int id, std::string& path) {
  auto it = folders.find(id);
  if (it == folders.end()) return err::kFileNotFound;
  path = it->second;
  return err::kSuccess;
}

bool FakeShell::browseForFolder(OwnerWindow owner, const std::string& title,
                                const std::string& initial, std::string& path) {
  owners.push_back(owner);
  pickerTitles.push_back(title);
  if (pickerAnswers.empty()) return false;
  std::optional<std::string> answer = pickerAnswers.front();
  pickerAnswers.pop_front();
  if (!answer || (answer->empty() && initial.empty())) return false;
  path = answer->empty() ? initial : *answer;
  // The picker names a folder without a trailing separator, except a drive's root.
  if (path.size() > 3 && path.back() == '\\') path.pop_back();
  return true;
}

}  // namespace platform::fake
