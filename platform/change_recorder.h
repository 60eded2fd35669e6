#pragma once
// What a cleaning changed on disk and in the registry, taken where every engine reaches
// them: in wrappers around the platform services. Reads pass through untouched; each
// change is recorded while a run is being recorded, then made, or, when analysing, only
// recorded. So the report after a cleaning and an analysis before it come from the very
// engines that clean, without a second copy of any of them.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/registry.h"
#include "platform/shell.h"
#include "platform/system.h"
#include "platform/tree_removal.h"

namespace platform {

struct RecordedChange {
  enum class Kind {
    FileDeleted,      // size: the file's size
    FileOverwritten,  // overwritten in place (a secure-removal pass)
    FileCut,          // cut to a length
    FileReplaced,     // another file moved over it (a rewritten file)
    FolderRemoved,
    LinkRemoved,   // a junction or symbolic link itself, never its target
    ValueDeleted,  // target: "HKEY_CURRENT_USER\Key\Name"
    ValueSet,
    KeyDeleted,
    ShellDeleted,       // the shell's delete operation on a path or pattern
    RecycleBinEmptied,  // target: the drive root, or empty for every drive
    CacheEntryRemoved   // an entry of the browser's URL cache (analysis only)
  };
  Kind kind;
  std::string target;
  std::uint64_t size = 0;
  std::string section;               // the area being cleaned when it happened
  ErrorCode result = err::kSuccess;  // what the change gave (kSuccess when analysing)
};

class ChangeRecorder {
 public:
  // Starts a recording; earlier changes are dropped. `analyzing`: changes are recorded
  // and not made.
  void start(bool analyzing);
  void stop();
  bool recording() const { return recording_; }
  bool analyzing() const { return recording_ && analyzing_; }
  // Counts the recordings started: what a layer keeps for one run is dropped at the next.
  unsigned run() const { return run_; }
  // The area that the following changes belong to.
  void setSection(const std::string& section) { section_ = section; }
  // Changes under this folder (the program's own settings and log) are made but never
  // recorded. Compared without regard to case.
  void ignoreFolder(const std::string& folder);
  bool ignored(const std::string& path) const;
  void add(RecordedChange::Kind kind, const std::string& target, std::uint64_t size,
           ErrorCode result);
  const std::vector<RecordedChange>& changes() const { return changes_; }

 private:
  bool recording_ = false, analyzing_ = false;
  unsigned run_ = 0;
  std::string section_;
  std::vector<std::string> ignoredFolders_;
  std::vector<RecordedChange> changes_;
};

// The same services as `inner`, with every change going through `recorder`. Its tree
// removal walks the recording files, so each file it removes is recorded one by one.
class RecordingSystem {
 public:
  RecordingSystem(System& inner, ChangeRecorder& recorder);
  ~RecordingSystem();
  RecordingSystem(const RecordingSystem&) = delete;
  RecordingSystem& operator=(const RecordingSystem&) = delete;
  System& system() { return system_; }

 private:
  std::unique_ptr<Files> files_;
  std::unique_ptr<Registry> registry_;
  std::unique_ptr<Shell> shell_;
  std::unique_ptr<TreeRemoval> removal_;
  System system_;
};

}  // namespace platform
