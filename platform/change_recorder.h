#pragma once
// What a cleaning changed on disk and in the registry, taken where every engine reaches
// them: in wrappers around the platform services. Reads pass through untouched; each
// change is recorded while a run is being recorded, then made, or, when analysing, only
// recorded. So the report after a cleaning and an analysis before it come from the very
// engines that clean, without a second copy of any of them.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
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
    CacheEntryRemoved,  // an entry of the browser's URL cache the clearing empties
    EntrySkipped        // a list entry refused before anything was asked of the system
  };
  Kind kind;
  std::string target;
  std::uint64_t size = 0;
  std::string section;               // the area being cleaned when it happened
  ErrorCode result = err::kSuccess;  // what the change gave (kSuccess when analysing)
  std::string option;                // the option of that area, empty outside one
  std::string why;                   // a refusal's reason in words, where the code has none
};

class ChangeRecorder {
 public:
  // Starts a recording; earlier changes are dropped. `analyzing`: changes are recorded
  // and not made.
  void start(bool analyzing);
  void stop();
  bool recording() const { return recording_; }
  bool analyzing() const { return recording_ && analyzing_; }
  // Counts the recordings started, so the services can tell a new run from the last.
  unsigned run() const { return run_; }
  // The area that the following changes belong to; an area starts outside any option.
  void setSection(const std::string& section) {
    section_ = section;
    option_.clear();
  }
  // The option of the current area that the following changes belong to.
  void setOption(const std::string& option) { option_ = option; }

  // While recording, `check` runs after every kProgressInterval entries read or changes
  // recorded, with the count so far, to show progress and take the user's clicks.
  // Returning false cancels the run: folder listings then end early, so the engines run
  // out quickly. An analysis records nothing more; a cleaning makes no further change
  // (each is refused with kCancelled), so it stops between two items, never inside one,
  // and its report holds everything done until then.
  static constexpr std::size_t kProgressInterval = 64;
  void setProgressCheck(std::function<bool(std::size_t itemsSeen)> check) {
    progressCheck_ = std::move(check);
  }
  bool cancelled() const { return cancelled_; }
  // A cleaning that was cancelled: changes are refused from now on.
  bool halted() const { return recording_ && !analyzing_ && cancelled_; }
  // The successful removals recorded so far in this recording, and the bytes of the
  // files among them.
  std::size_t itemsRemoved() const { return itemsRemoved_; }
  std::uint64_t bytesRemoved() const { return bytesRemoved_; }
  // Counts one entry read or change; false once the analysis has been cancelled.
  bool keepGoing();

  // Changes under this folder (the program's own settings and log) are made but never
  // recorded. Compared without regard to case.
  void ignoreFolder(const std::string& folder);
  bool ignored(const std::string& path) const;
  void add(RecordedChange::Kind kind, const std::string& target, std::uint64_t size,
           ErrorCode result);
  // An entry of a list that the run refused to act on, with the reason ("not a full
  // path"); recorded in a cleaning and in an analysis alike.
  void skip(const std::string& target, const std::string& why);
  // While analysing: a file that a step outside these services would take away (the URL
  // cache deletes its entries' files itself). Later reads no longer see it; nothing is
  // recorded for it, as a real run's report has only the entry.
  void takeAwayUnseen(const std::string& path) {
    if (analyzing()) unseenRemovals_.push_back(path);
  }
  std::vector<std::string> takeUnseenRemovals() { return std::exchange(unseenRemovals_, {}); }
  const std::vector<RecordedChange>& changes() const { return changes_; }

 private:
  bool recording_ = false, analyzing_ = false, cancelled_ = false;
  unsigned run_ = 0;
  std::string section_, option_;
  std::function<bool(std::size_t)> progressCheck_;
  std::size_t itemsSeen_ = 0, itemsRemoved_ = 0;
  std::uint64_t bytesRemoved_ = 0;
  std::vector<std::string> ignoredFolders_;
  std::vector<RecordedChange> changes_;
  std::vector<std::string> unseenRemovals_;
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
