#pragma once
// File and folder services. Paths are Windows paths ("C:\Program Files\Opera\").
// Every operation reports failure as a Win32 result code and never throws.
#include <functional>
#include <string>

#include "platform/win_types.h"

namespace platform {

class Files {
 public:
  virtual ~Files() = default;

  // Lists the entries matching `pattern` (a folder, a backslash and a name that may hold
  // `*` and `?`; "*.*" matches every name), like FindFirstFileA/FindNextFileA, including
  // "." and ".." where the system lists them. `visit` returns false to stop early.
  // No match gives kFileNotFound (or kPathNotFound for a missing folder).
  virtual ErrorCode find(const std::string& pattern,
                         const std::function<bool(const FindData&)>& visit) = 0;

  // Wine's own calls change a link's target instead of the link (its RemoveDirectory
  // removes an empty target folder, its DeleteFile deletes the file a link points at).
  // So under Wine, deleteFile, setAttributes, removeDirectory, overwriteInPlace and
  // setFileLength refuse with kNotSupported anything reached through a link, the link
  // itself included; reading and listing follow links as usual.

  // What a change to `path` would meet from that rule (kNotSupported where it is reached
  // through a link and the system refuses it for that reason), or kSharingViolation
  // where another program holds it open; kSuccess otherwise. Lets an analysis predict
  // the refusal without making the change. Attributes are not looked at: whether a
  // read-only file refuses depends on whether the attribute is cleared first.
  virtual ErrorCode changeRefusal(const std::string& path) {
    (void)path;
    return err::kSuccess;
  }

  // Reads a whole file. A missing file gives kFileNotFound or kPathNotFound.
  virtual ErrorCode readFile(const std::string& path, std::string& contents) = 0;
  // Creates or replaces a file with `contents`. Read-only files refuse (kAccessDenied).
  virtual ErrorCode writeFile(const std::string& path, const std::string& contents) = 0;
  // Appends to a file, creating it when missing.
  virtual ErrorCode appendFile(const std::string& path, const std::string& contents) = 0;
  // Deletes one file. Read-only or open files refuse; a missing file is kFileNotFound.
  virtual ErrorCode deleteFile(const std::string& path) = 0;
  // Renames a file, replacing an existing target in one step (MoveFileEx with
  // REPLACE_EXISTING, COPY_ALLOWED across drives, WRITE_THROUGH).
  virtual ErrorCode renameFile(const std::string& from, const std::string& to) = 0;
  virtual ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) = 0;
  virtual ErrorCode setAttributes(const std::string& path, std::uint32_t attributes) = 0;
  virtual ErrorCode createDirectory(const std::string& path) = 0;
  // Removes an empty folder; a folder with entries gives kDirNotEmpty.
  virtual ErrorCode removeDirectory(const std::string& path) = 0;
  // Removes a junction or symbolic link itself (the path's last part), never anything of
  // its target. A path that is no reparse point gives kInvalidParameter and stays. Where
  // the system cannot remove a link to a folder without reaching its target (Wine, whose
  // Unix links go the target's way on every delete), kNotSupported and the link stays.
  virtual ErrorCode removeLink(const std::string& path) = 0;

  // Overwrites an existing file where it lies on disk: `pattern` (not empty) is written
  // repeated from the first byte over the file's whole length (at least once in full)
  // and flushed to the disk. The file is never replaced by a new one, so no old byte is
  // left behind in clusters a new file would not use. A missing file gives
  // kFileNotFound; read-only and open files refuse and stay unchanged.
  virtual ErrorCode overwriteInPlace(const std::string& path, const std::string& pattern) = 0;
  // Cuts an existing file to `length` bytes (or extends it with zeros) and flushes it.
  virtual ErrorCode setFileLength(const std::string& path, std::uint64_t length) = 0;
};

}  // namespace platform
