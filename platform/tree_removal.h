#pragma once
// The one removal service: every file, pattern and folder the programs delete goes
// through it, and so does the in-place overwrite of secure removal. It walks with Files
// itself (find-first/next, delete, remove folder). Every reparse point (junction, symbolic link,
// mount point; Wine lists its Unix links to folders as folders with the reparse-point attribute) is
// a leaf: removed as a link where the system can do that without touching the target, otherwise
// left in place and reported; never entered, never followed. The shell's delete operation follows
// Wine's links and empties their targets, so nothing that deletes folders or patterns may use it.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/win_types.h"

namespace platform {

// An entry left in place, and why.
struct Refusal {
  std::string path;
  ErrorCode error = err::kSuccess;
};

// What a removal did. Entries that could not be removed stay where they are; the walk
// goes on past them. One rule for every step: a refusal is recorded and the rest goes.
struct RemovalReport {
  std::uint32_t removed = 0;     // files, folders and links removed
  std::uint32_t notRemoved = 0;  // entries left in place, links kept included
  std::uint32_t linksKept = 0;   // links the system cannot remove without their target
  std::string firstPath;         // the first entry left in place
  ErrorCode firstError = err::kSuccess;
  std::vector<Refusal> refused;  // every entry left in place, in the order met

  bool complete() const { return notRemoved == 0; }
  // Adds another removal's counts and refusals, as one step made of several removals.
  void add(const RemovalReport& other);
};

class TreeRemoval {
 public:
  virtual ~TreeRemoval() = default;

  // Removes everything inside `folder` (files, read-only ones too, sub-folders with their
  // content, links) and keeps the folder itself. A folder that is itself a link, or lies
  // beneath one, is not walked: one entry left in place, kReparsePointEncountered. A
  // missing folder is nothing to remove.
  virtual RemovalReport emptyFolder(const std::string& folder) = 0;
  // Like emptyFolder, then removes the folder itself.
  virtual RemovalReport removeFolder(const std::string& folder) = 0;
  // Removes the files that `pattern` (a folder, "\" and a name that may hold wildcards)
  // matches in that folder. Folders, and links to folders, stay whatever their names.
  virtual RemovalReport removeMatching(const std::string& pattern) = 0;
  // Like removeMatching, for the listed files that `take` selects (by name, attributes,
  // size or time, as the listing gave them).
  using Selection = std::function<bool(const FindData&)>;
  virtual RemovalReport removeSelected(const std::string& pattern, const Selection& take) = 0;
  // Removes one file by its exact name; a link as a link (or kept). A folder refuses
  // (kAccessDenied); a missing file is nothing to remove.
  virtual RemovalReport removeFile(const std::string& path) = 0;
  // One secure-removal pass: `pattern` (not empty) written over the file where it lies,
  // then the file cut to the pattern's length. A link, or a file reached through one,
  // refuses (kNotSupported) and its target is never written; a missing file gives
  // kFileNotFound; read-only and open files refuse and stay unchanged.
  virtual ErrorCode overwriteFile(const std::string& path, const std::string& pattern) = 0;
};

// The walk itself, over any Files.
class WalkingTreeRemoval : public TreeRemoval {
 public:
  explicit WalkingTreeRemoval(Files& files) : files_(files) {}
  RemovalReport emptyFolder(const std::string& folder) override;
  RemovalReport removeFolder(const std::string& folder) override;
  RemovalReport removeMatching(const std::string& pattern) override;
  RemovalReport removeSelected(const std::string& pattern, const Selection& take) override;
  RemovalReport removeFile(const std::string& path) override;
  ErrorCode overwriteFile(const std::string& path, const std::string& pattern) override;

 private:
  bool startsThroughLink(const std::string& folder, RemovalReport& report);
  void empty(const std::string& folder, int depth, RemovalReport& report);
  void removeEntry(const std::string& path, const FindData& entry, int depth,
                   RemovalReport& report);
  void removeFile(const std::string& path, std::uint32_t attributes, RemovalReport& report);

  Files& files_;
};

}  // namespace platform
