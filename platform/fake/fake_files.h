#pragma once
// An in-memory file system with Windows semantics: drive letters, case-insensitive
// names, wildcards, attributes, file times, read-only and open files refusing deletion.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"

namespace platform::fake {

class FakeFiles : public Files {
 public:
  // `now` stamps created and modified times of new and written files.
  explicit FakeFiles(std::function<FileTime()> now = [] { return FileTime{0}; });
  ~FakeFiles() override;

  ErrorCode find(const std::string& pattern,
                 const std::function<bool(const FindData&)>& visit) override;
  ErrorCode readFile(const std::string& path, std::string& contents) override;
  ErrorCode writeFile(const std::string& path, const std::string& contents) override;
  ErrorCode appendFile(const std::string& path, const std::string& contents) override;
  ErrorCode deleteFile(const std::string& path) override;
  ErrorCode renameFile(const std::string& from, const std::string& to) override;
  ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) override;
  ErrorCode setAttributes(const std::string& path, std::uint32_t attributes) override;
  ErrorCode createDirectory(const std::string& path) override;
  ErrorCode removeDirectory(const std::string& path) override;
  ErrorCode removeLink(const std::string& path) override;
  ErrorCode changeRefusal(const std::string& path) override;
  ErrorCode overwriteInPlace(const std::string& path, const std::string& pattern) override;
  ErrorCode setFileLength(const std::string& path, std::uint64_t length) override;

  // Test set-up helpers. They create missing parent folders.
  void addFolder(const std::string& path);
  void addFile(const std::string& path, const std::string& contents = "",
               std::uint32_t attributes = attr::kArchive, FileTime modified = 0);
  void setTimes(const std::string& path, FileTime created, FileTime modified);
  // An open file (held by another program) refuses deletion, writing and renaming.
  void setOpen(const std::string& path, bool open);
  // The folder that relative paths are taken from.
  void setCurrentFolder(const std::string& path);
  // Lists a folder as a junction or symbolic link (the reparse-point attribute), as
  // Wine lists the links of its prefix.
  void setReparsePoint(const std::string& path);
  // A symbolic link at `path` to `target` (a full path, which need not exist): listed
  // with the reparse-point attribute (and the folder one unless the target is a file);
  // paths through it reach the target, as on Windows.
  void addLink(const std::string& path, const std::string& target);
  // Links behave as Wine's Unix links do under our Win32 files: a link to a file lists
  // as a plain file, and nothing reached through a link can be deleted, removed or
  // changed (kNotSupported), since Wine would change the target instead.
  void setLinksLikeWine(bool likeWine) { linksLikeWine_ = likeWine; }

  bool exists(const std::string& path) const;
  bool isFolder(const std::string& path) const;
  // Contents of a file, or an empty text when it is missing.
  std::string contents(const std::string& path) const;
  // Every path below the drives, one per line, for failure messages.
  std::string dump() const;
  // Every path with its attributes, times, link target and bytes: two snapshots are
  // equal only when nothing on the fake disk changed.
  std::string snapshot() const;

  // Asked before every write, append and rename with the path written (a rename's
  // destination); a code other than kSuccess fails that call with it and changes
  // nothing. Stands in for a full disk, a write-protected medium or a failing disk.
  std::function<ErrorCode(const std::string& path)> writeFault;

  // Called by overwriteInPlace with what it left in the file, so tests can see that no
  // old byte survived before a later cut.
  std::function<void(const std::string& path, const std::string& extent)> onOverwrite;

 private:
  struct Node;
  struct Lookup;
  Lookup resolve(const std::string& path, int depth = 0) const;
  // The file or folder a link leads to (through further links), or null.
  Node* follow(Node* node, int depth = 0) const;
  std::uint32_t shownAttributes(const Node& node) const;
  bool refusedAsWineLink(const Lookup& l) const;
  Node* parentFor(const std::string& path, std::string& leaf, ErrorCode& error);

  std::unique_ptr<Node> root_;  // children are the drives ("c:")
  std::vector<std::string> current_;
  std::function<FileTime()> now_;
  bool linksLikeWine_ = false;
};

}  // namespace platform::fake
