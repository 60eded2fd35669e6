#include "platform/change_recorder.h"

#include <algorithm>
#include <map>
#include <set>
#include <string_view>
#include <unordered_map>

#include "platform/wildcard.h"

namespace platform {

namespace {

std::string lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string withSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '\\') folder += '\\';
  return folder;
}

using Kind = RecordedChange::Kind;

// While analysing, the changes that are not made are kept in an overlay that the reads
// see: a deleted file is gone from listings, a folder whose files are all "deleted" is
// empty, an overwritten file has its new size, a file written anew is there. So each
// step sees what it would see in a cleaning, and nothing is listed twice.
// Files the run itself made (a scratch file, a cookie file an overwrite pass creates
// anew) are not the user's: changes to them are made but not recorded.
class RecordingFiles : public Files {
 public:
  RecordingFiles(Files& inner, ChangeRecorder& recorder) : inner_(inner), rec_(recorder) {}

  ErrorCode find(const std::string& pattern,
                 const std::function<bool(const FindData&)>& visit) override {
    if (!rec_.analyzing()) {
      if (!rec_.recording()) return inner_.find(pattern, visit);
      if (rec_.halted()) return err::kFileNotFound;
      return inner_.find(pattern, [&](const FindData& d) { return rec_.keepGoing() && visit(d); });
    }
    // A cancelled analysis lists nothing more, so the engines run out quickly.
    if (rec_.cancelled()) return err::kFileNotFound;
    const std::size_t cut = pattern.find_last_of('\\');
    const std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
    const std::string folderKey = lower(folder);
    if (!overlaid())
      return inner_.find(pattern, [&](const FindData& d) {
        if (!rec_.keepGoing()) return false;
        remember(folderKey, d);
        return visit(d);
      });
    const std::string mask = pattern.substr(folder.size());
    const Shadow* above = nullptr;
    if (!folder.empty() && shadowOf(folder, above) == Seen::Gone) return err::kPathNotFound;
    // The names the system listed, for the files this analysis made: those it listed
    // already are not listed twice. Kept as names and keyed only when something was made.
    std::vector<std::string> listedNames;
    bool visited = false, stopped = false;
    ErrorCode e = inner_.find(pattern, [&](const FindData& d) {
      if (!rec_.keepGoing()) return !(stopped = true);
      const std::string path = folder + d.name;
      const Shadow* shadow = nullptr;
      if (d.name != "." && d.name != ".." && shadowOf(path, shadow) == Seen::Gone) return true;
      listedNames.push_back(d.name);
      if (!shadow) remember(folderKey, d);
      FindData shown = d;
      if (shadow && !shadow->folder) shown.size = shadow->contents.size();
      visited = true;
      stopped = !visit(shown);
      return !stopped;
    });
    if (e == err::kPathNotFound && above && above->made && above->folder) {
      e = err::kFileNotFound;
      FindData self;
      self.name = ".";
      self.attributes = attr::kDirectory;
      if (wildcardMatch(mask, ".")) {
        visited = true;
        stopped = !visit(self);
      }
    }
    // Files and folders the analysis made, in the listed folder.
    const std::string madeIn = key(folder);
    std::set<std::string> seen;
    bool seenKeyed = false;
    for (const std::string& path : made_) {
      if (stopped) break;
      const Shadow& shadow = shadows_.at(path);
      if (shadow.gone) continue;
      if (!seenKeyed) {
        for (const std::string& name : listedNames) seen.insert(key(folder + name));
        seenKeyed = true;
      }
      if (seen.count(path)) continue;
      const std::size_t slash = path.find_last_of('\\');
      if (slash == std::string::npos || path.compare(0, slash, madeIn) != 0 ||
          slash != madeIn.size() || !wildcardMatch(mask, shadow.name))
        continue;
      FindData d;
      d.name = shadow.name;
      d.attributes = shadow.folder ? attr::kDirectory : attr::kArchive;
      d.size = shadow.folder ? 0 : shadow.contents.size();
      visited = true;
      stopped = !visit(d);
    }
    if (e == err::kSuccess && !visited) return err::kFileNotFound;
    return visited ? err::kSuccess : e;
  }
  ErrorCode changeRefusal(const std::string& path) override { return inner_.changeRefusal(path); }
  ErrorCode readFile(const std::string& path, std::string& contents) override {
    const Shadow* shadow = nullptr;
    switch (overlaid() ? shadowOf(path, shadow) : Seen::Through) {
      case Seen::Gone:
        return shadow ? err::kFileNotFound : err::kPathNotFound;
      case Seen::Shadowed:
        if (shadow->folder) return err::kAccessDenied;
        contents = shadow->contents;
        return err::kSuccess;
      default:
        return inner_.readFile(path, contents);
    }
  }
  ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) override {
    const Shadow* shadow = nullptr;
    switch (overlaid() ? shadowOf(path, shadow) : Seen::Through) {
      case Seen::Gone:
        return shadow ? err::kFileNotFound : err::kPathNotFound;
      case Seen::Shadowed:
        if (!shadow->made) break;
        attributes = shadow->folder ? attr::kDirectory : attr::kArchive;
        return err::kSuccess;
      default:
        break;
    }
    return inner_.getAttributes(path, attributes);
  }

  ErrorCode writeFile(const std::string& path, const std::string& contents) override {
    sync();
    if (refusedAfterCancel(path) && exists(path)) return err::kCancelled;
    const bool existed = exists(path);
    const bool replacing = watched(path) && existed && !createdByRun(path);
    const std::uint64_t size = replacing ? sizeOf(path) : 0;
    ErrorCode e = err::kSuccess;
    if (rec_.analyzing()) {
      // A read-only file or a folder refuses, as the write itself would.
      std::uint32_t a = 0;
      if (existed)
        e = getAttributes(path, a) == err::kSuccess && (a & (attr::kReadOnly | attr::kDirectory))
                ? err::kAccessDenied
                : existence(path);
      if (e == err::kSuccess) shade(path, contents, !existed);
    } else {
      e = inner_.writeFile(path, contents);
    }
    if (!existed && e == err::kSuccess && rec_.recording()) created_.insert(key(path));
    if (replacing) rec_.add(Kind::FileReplaced, path, size, e);
    return e;
  }
  // Appending only adds; nothing to report, and nothing a later step of an analysis
  // reads back. The program's own log is written, so an analysis's failures are logged.
  ErrorCode appendFile(const std::string& path, const std::string& contents) override {
    return rec_.analyzing() && !rec_.ignored(path) ? err::kSuccess
                                                   : inner_.appendFile(path, contents);
  }
  ErrorCode deleteFile(const std::string& path) override {
    sync();
    if (refusedAfterCancel(path)) return err::kCancelled;
    if (!watched(path) && !rec_.analyzing()) return inner_.deleteFile(path);
    const std::uint64_t size = sizeOf(path);
    const ErrorCode e = rec_.analyzing() ? fileChangeRefusal(path) : inner_.deleteFile(path);
    if (rec_.analyzing() && e == err::kSuccess) hide(path);
    if (watched(path) && !forgetCreated(path, e) && e != err::kFileNotFound &&
        e != err::kPathNotFound)
      rec_.add(Kind::FileDeleted, path, size, e);
    return e;
  }
  ErrorCode renameFile(const std::string& from, const std::string& to) override {
    sync();
    if (refusedAfterCancel(to)) return err::kCancelled;
    const bool existed = exists(to);
    const bool ours = createdByRun(from);
    // What is replaced: the old file's size.
    const std::uint64_t size = existed ? sizeOf(to) : 0;
    ErrorCode e = err::kSuccess;
    if (rec_.analyzing()) {
      std::string contents;
      e = readFile(from, contents);
      if (e == err::kSuccess) {
        shade(to, contents, !existed);
        hide(from);
      }
    } else {
      e = inner_.renameFile(from, to);
    }
    if (e == err::kSuccess) {
      forgetCreated(from, e);
      if (ours && !existed && rec_.recording()) created_.insert(key(to));
    }
    if (watched(to) && !(createdByRun(to))) rec_.add(Kind::FileReplaced, to, size, e);
    return e;
  }
  ErrorCode setAttributes(const std::string& path, std::uint32_t attributes) override {
    if (!rec_.analyzing()) return inner_.setAttributes(path, attributes);
    const ErrorCode e = existence(path);
    if (e == err::kSuccess) {
      const std::uint32_t kept = attributesNow(path) & (attr::kDirectory | attr::kReparsePoint);
      attributesSet_[key(path)] = kept | (attributes == attr::kNormal ? 0 : attributes);
    }
    return e;
  }
  ErrorCode createDirectory(const std::string& path) override {
    sync();
    const bool existed = exists(path);
    if (!rec_.analyzing()) {
      const ErrorCode e = inner_.createDirectory(path);
      if (e == err::kSuccess && rec_.recording()) created_.insert(key(path));
      return e;
    }
    if (existed) return err::kAlreadyExists;
    Shadow& shadow = shadows_[key(path)];
    shadow = Shadow{};
    shadow.made = shadow.folder = true;
    shadow.name = leafOf(path);
    made_.insert(key(path));
    created_.insert(key(path));
    return err::kSuccess;
  }
  ErrorCode removeDirectory(const std::string& path) override {
    sync();
    if (refusedAfterCancel(path)) return err::kCancelled;
    if (!watched(path) && !rec_.analyzing()) return inner_.removeDirectory(path);
    ErrorCode e = err::kSuccess;
    if (rec_.analyzing()) {
      e = existence(path);
      if (e == err::kSuccess && holdsAnything(path)) e = err::kDirNotEmpty;
      if (e == err::kSuccess) hide(path);
    } else {
      e = inner_.removeDirectory(path);
    }
    if (watched(path) && !forgetCreated(path, e) && e != err::kFileNotFound &&
        e != err::kPathNotFound)
      rec_.add(Kind::FolderRemoved, path, 0, e);
    return e;
  }
  ErrorCode removeLink(const std::string& path) override {
    sync();
    if (refusedAfterCancel(path)) return err::kCancelled;
    if (!watched(path) && !rec_.analyzing()) return inner_.removeLink(path);
    ErrorCode e;
    if (rec_.analyzing()) {
      std::uint32_t a = 0;
      e = getAttributes(path, a);
      // Where the system would refuse (Wine, for a link to a folder), the link stays.
      if (e == err::kSuccess)
        e = (a & attr::kReparsePoint) ? inner_.changeRefusal(path) : err::kInvalidParameter;
      if (e == err::kSuccess) hide(path);
    } else {
      e = inner_.removeLink(path);
    }
    if (watched(path) && e != err::kInvalidParameter) rec_.add(Kind::LinkRemoved, path, 0, e);
    return e;
  }
  ErrorCode overwriteInPlace(const std::string& path, const std::string& pattern) override {
    sync();
    if (refusedAfterCancel(path)) return err::kCancelled;
    if (!watched(path) && !rec_.analyzing()) return inner_.overwriteInPlace(path, pattern);
    const std::uint64_t size = sizeOf(path);
    ErrorCode e = err::kSuccess;
    if (rec_.analyzing()) {
      e = fileChangeRefusal(path);
      if (e == err::kSuccess && pattern.empty()) e = err::kInvalidParameter;
      if (e == err::kSuccess) {
        // The pattern over the whole file, which grows to the pattern's length if shorter.
        std::string extent;
        const std::size_t length = std::max<std::size_t>(size, pattern.size());
        while (extent.size() < length) extent += pattern;
        extent.resize(length);
        shade(path, extent, false);
      }
    } else {
      e = inner_.overwriteInPlace(path, pattern);
    }
    // A missing file is no failure: the caller writes it anew.
    if (watched(path) && !createdByRun(path) && e != err::kFileNotFound && e != err::kPathNotFound)
      rec_.add(Kind::FileOverwritten, path, size, e);
    return e;
  }
  ErrorCode setFileLength(const std::string& path, std::uint64_t length) override {
    sync();
    if (refusedAfterCancel(path)) return err::kCancelled;
    if (!watched(path) && !rec_.analyzing()) return inner_.setFileLength(path, length);
    const std::uint64_t size = sizeOf(path);
    ErrorCode e = err::kSuccess;
    if (rec_.analyzing()) {
      e = fileChangeRefusal(path);
      std::string contents;
      if (e == err::kSuccess) e = readFile(path, contents);
      if (e == err::kSuccess) {
        contents.resize(static_cast<std::size_t>(length));
        shade(path, contents, false);
      }
    } else {
      e = inner_.setFileLength(path, length);
    }
    if (watched(path) && !createdByRun(path)) rec_.add(Kind::FileCut, path, size, e);
    return e;
  }

 private:
  struct Listed {
    std::uint64_t size = 0;
    std::uint32_t attributes = 0;
  };
  // What an analysis did to one path: taken away, or made or rewritten with `contents`.
  struct Shadow {
    bool gone = false, made = false, folder = false;
    std::string contents, name;
  };
  enum class Seen { Through, Gone, Shadowed };

  static std::string key(const std::string& path) {
    std::string k = lower(path);
    while (!k.empty() && k.back() == '\\') k.pop_back();
    return k;
  }
  // The key of `path`, kept for the next call: the steps on one file ask it many times.
  // The reference holds until the next call with another path.
  const std::string& keyOf(const std::string& path) {
    if (!keyKnown_ || path != keyPath_) {
      keyPath_ = path;
      keyOfPath_ = key(path);
      keyKnown_ = true;
    }
    return keyOfPath_;
  }
  static std::string leafOf(const std::string& path) {
    std::string p = path;
    while (!p.empty() && p.back() == '\\') p.pop_back();
    const std::size_t slash = p.find_last_of('\\');
    return slash == std::string::npos ? p : p.substr(slash + 1);
  }
  // After a cleaning is cancelled, the user's files change no more; the run's own
  // scratch files may still be tidied away.
  bool refusedAfterCancel(const std::string& path) {
    return rec_.halted() && watched(path) && !createdByRun(path);
  }
  // A new recording forgets what the last one did.
  void sync() {
    if (rec_.run() == run_) return;
    run_ = rec_.run();
    listed_.clear();
    attributesSet_.clear();
    shadows_.clear();
    made_.clear();
    created_.clear();
    clearFolderKnown_ = false;
  }
  bool overlaid() {
    if (!rec_.analyzing()) return false;
    sync();
    for (const std::string& path : rec_.takeUnseenRemovals()) hide(path);
    return !shadows_.empty();
  }
  // Gone when the path or a folder above it was taken away (`shadow` is then set only
  // for the path itself); Shadowed when the analysis made or rewrote it.
  Seen shadowOf(const std::string& path, const Shadow*& shadow) {
    shadow = nullptr;
    const std::string& k = keyOf(path);
    const std::size_t last = k.rfind('\\');
    if (last != std::string::npos && !nothingGoneAbove(std::string_view(k).substr(0, last)))
      return Seen::Gone;
    auto it = shadows_.find(k);
    if (it == shadows_.end()) return Seen::Through;
    shadow = &it->second;
    return it->second.gone ? Seen::Gone : Seen::Shadowed;
  }
  // Whether neither `folder` (a key) nor any folder above it was taken away. Every
  // entry of a listing, and every step on one file, asks this for the same folder, so
  // the last folder found clear is remembered until something above it goes.
  bool nothingGoneAbove(std::string_view folder) {
    if (clearFolderKnown_ && folder == clearFolder_) return true;
    auto gone = [this](std::string_view k) {
      auto it = shadows_.find(k);
      return it != shadows_.end() && it->second.gone;
    };
    for (std::size_t slash = folder.find('\\'); slash != std::string_view::npos;
         slash = folder.find('\\', slash + 1))
      if (gone(folder.substr(0, slash))) return false;
    if (gone(folder)) return false;
    clearFolder_.assign(folder.data(), folder.size());
    clearFolderKnown_ = true;
    return true;
  }
  void hide(const std::string& path) {
    const std::string& k = keyOf(path);
    // The remembered clear folder is no longer clear when this is it or lies above it.
    if (clearFolderKnown_ && clearFolder_.compare(0, k.size(), k) == 0 &&
        (clearFolder_.size() == k.size() || clearFolder_[k.size()] == '\\'))
      clearFolderKnown_ = false;
    attributesSet_.erase(k);
    Shadow& shadow = shadows_[k];
    shadow = Shadow{};
    shadow.gone = true;
    made_.erase(k);
  }
  void shade(const std::string& path, const std::string& contents, bool made) {
    const std::string& k = keyOf(path);
    Shadow& shadow = shadows_[k];
    const bool wasMade = shadow.made && !shadow.gone;
    shadow = Shadow{};
    shadow.made = made || wasMade;
    shadow.contents = contents;
    shadow.name = leafOf(path);
    if (shadow.made) made_.insert(k);
  }
  bool createdByRun(const std::string& path) {
    return rec_.recording() && !created_.empty() && created_.count(keyOf(path)) > 0;
  }
  // True when `path` was the run's own: its removal is then not recorded.
  bool forgetCreated(const std::string& path, ErrorCode e) {
    if (!createdByRun(path)) return false;
    if (e == err::kSuccess) created_.erase(keyOf(path));
    return true;
  }
  bool holdsAnything(const std::string& folder) {
    bool any = false;
    find(folder + "\\*.*", [&](const FindData& d) {
      any = d.name != "." && d.name != "..";
      return !any;
    });
    return any;
  }

  bool watched(const std::string& path) const { return rec_.recording() && !rec_.ignored(path); }
  // What the change would give: the path's absence, or the system's refusal of it.
  ErrorCode existence(const std::string& path) {
    if (lastListed(path)) return inner_.changeRefusal(path);
    std::uint32_t a = 0;
    const ErrorCode e = getAttributes(path, a);
    if (e != err::kSuccess) return e;
    const Shadow* shadow = nullptr;
    if (shadowOf(path, shadow) == Seen::Shadowed && shadow->made) return err::kSuccess;
    return inner_.changeRefusal(path);
  }
  bool exists(const std::string& path) {
    std::uint32_t a = 0;
    return getAttributes(path, a) == err::kSuccess;
  }
  std::uint64_t sizeOf(const std::string& path) {
    if (const Listed* listed = lastListed(path)) return listed->size;
    std::uint64_t size = 0;
    // A cleaning asks the system itself: a size look-up is no item of the run's progress.
    auto take = [&](const FindData& d) {
      size = d.size;
      return false;
    };
    if (rec_.analyzing())
      find(path, take);
    else
      inner_.find(path, take);
    return size;
  }

  // An engine lists a folder, then removes what the listing showed. Until the analysis
  // has taken a path (or a folder above it) away or rewritten it, the size the latest
  // listing of this run gave answers for it: asking the system again for every file
  // would cost an analysis as much as a walk of each file on its own. Paths no listing
  // of this run showed are asked for.
  void remember(const std::string& folderKey, const FindData& d) {
    if (folderKey.empty() || d.name == "." || d.name == "..") return;
    listed_[folderKey + lower(d.name)] = {d.size, d.attributes};
  }
  const Listed* lastListed(const std::string& path) {
    if (!rec_.analyzing()) return nullptr;
    sync();
    // Listed names never end in "\\": such a path was never listed.
    if (path.empty() || path.back() == '\\') return nullptr;
    auto it = listed_.find(keyOf(path));
    if (it == listed_.end()) return nullptr;
    const Shadow* shadow = nullptr;
    if (!shadows_.empty() && shadowOf(path, shadow) != Seen::Through) return nullptr;
    return &it->second;
  }
  // The attributes a change would meet: as this analysis set them, else as listed.
  std::uint32_t attributesNow(const std::string& path) {
    auto set = attributesSet_.find(keyOf(path));
    if (set != attributesSet_.end()) return set->second;
    if (const Listed* listed = lastListed(path)) return listed->attributes;
    std::uint32_t a = 0;
    return getAttributes(path, a) == err::kSuccess ? a : 0;
  }
  // What deleting or writing a file would meet: its absence, a link or another program's
  // hold, a folder, or the read-only attribute unless the analysis cleared it.
  ErrorCode fileChangeRefusal(const std::string& path) {
    const ErrorCode e = existence(path);
    if (e != err::kSuccess) return e;
    const std::uint32_t a = attributesNow(path);
    return (a & (attr::kReadOnly | attr::kDirectory)) ? err::kAccessDenied : err::kSuccess;
  }

  Files& inner_;
  ChangeRecorder& rec_;
  std::unordered_map<std::string, Listed> listed_;                // by lower-case path
  std::unordered_map<std::string, std::uint32_t> attributesSet_;  // by this analysis
  unsigned run_ = 0;
  std::map<std::string, Shadow, std::less<>> shadows_;  // by lower-case path, without a final "\"
  std::string clearFolder_;                             // see nothingGoneAbove
  bool clearFolderKnown_ = false;
  std::string keyPath_, keyOfPath_;  // see keyOf
  bool keyKnown_ = false;
  std::set<std::string> made_;     // the shadows that are new files or folders
  std::set<std::string> created_;  // the same, for what this run made
};

std::string rootName(HKey root) {
  switch (root) {
    case hkey::kClassesRoot:
      return "HKEY_CLASSES_ROOT";
    case hkey::kCurrentUser:
      return "HKEY_CURRENT_USER";
    case hkey::kLocalMachine:
      return "HKEY_LOCAL_MACHINE";
    default:
      return "HKEY_" + std::to_string(root);
  }
}

std::string keyPath(HKey root, const std::string& subKey) {
  return subKey.empty() ? rootName(root) : rootName(root) + "\\" + subKey;
}

class RecordingRegistry : public Registry {
 public:
  RecordingRegistry(Registry& inner, ChangeRecorder& recorder) : inner_(inner), rec_(recorder) {}

  ErrorCode openKey(HKey root, const std::string& subKey, std::uint32_t accessMask,
                    HKey& key) override {
    const ErrorCode e = inner_.openKey(root, subKey, accessMask, key);
    if (e == err::kSuccess) names_[key] = keyPath(root, subKey);
    return e;
  }
  ErrorCode createKey(HKey root, const std::string& subKey, HKey& key) override {
    if (rec_.analyzing()) {
      // An existing key is opened as it is; a missing one gets a handle of our own that
      // takes values without creating anything.
      if (inner_.openKey(root, subKey, kKeyAllAccess, key) == err::kSuccess) {
        names_[key] = keyPath(root, subKey);
        return err::kSuccess;
      }
      key = nextPretend_++;
      pretend_.insert(key);
      names_[key] = keyPath(root, subKey);
      return err::kSuccess;
    }
    const ErrorCode e = inner_.createKey(root, subKey, key);
    if (e == err::kSuccess) names_[key] = keyPath(root, subKey);
    return e;
  }
  ErrorCode queryValueInfo(HKey key, const std::string& name, std::uint32_t& type,
                           std::uint32_t& size) override {
    if (pretend_.count(key)) return err::kFileNotFound;
    return inner_.queryValueInfo(key, name, type, size);
  }
  ErrorCode queryValue(HKey key, const std::string& name, std::uint32_t bufferSize,
                       std::uint32_t& type, std::string& data) override {
    if (pretend_.count(key)) return err::kFileNotFound;
    return inner_.queryValue(key, name, bufferSize, type, data);
  }
  ErrorCode setValue(HKey key, const std::string& name, std::uint32_t type,
                     const std::string& data) override {
    if (rec_.halted()) return err::kCancelled;
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.setValue(key, name, type, data);
    if (rec_.recording()) rec_.add(Kind::ValueSet, valuePath(key, name), data.size(), e);
    return e;
  }
  ErrorCode deleteValue(HKey key, const std::string& name) override {
    if (rec_.halted()) return err::kCancelled;
    if (!rec_.recording()) return inner_.deleteValue(key, name);
    std::uint32_t type = 0, size = 0;
    const ErrorCode found =
        pretend_.count(key) ? err::kFileNotFound : inner_.queryValueInfo(key, name, type, size);
    const ErrorCode e = rec_.analyzing() ? found : inner_.deleteValue(key, name);
    if (found == err::kSuccess) rec_.add(Kind::ValueDeleted, valuePath(key, name), size, e);
    return e;
  }
  ErrorCode deleteKey(HKey root, const std::string& subKey) override {
    if (rec_.halted()) return err::kCancelled;
    if (!rec_.recording()) return inner_.deleteKey(root, subKey);
    HKey probe = 0;
    const ErrorCode found = inner_.openKey(root, subKey, kKeyRead, probe);
    if (found == err::kSuccess) inner_.closeKey(probe);
    const ErrorCode e = rec_.analyzing() ? found : inner_.deleteKey(root, subKey);
    if (found == err::kSuccess) rec_.add(Kind::KeyDeleted, keyPath(root, subKey), 0, e);
    return e;
  }
  ErrorCode closeKey(HKey key) override {
    names_.erase(key);
    if (pretend_.erase(key)) return err::kSuccess;
    return inner_.closeKey(key);
  }

 private:
  static constexpr std::uint32_t kKeyRead = 0x20019, kKeyAllAccess = 0xF003F;
  std::string valuePath(HKey key, const std::string& name) const {
    auto it = names_.find(key);
    const std::string path = it != names_.end() ? it->second : rootName(key);
    return path + "\\" + (name.empty() ? "(Default)" : name);
  }

  Registry& inner_;
  ChangeRecorder& rec_;
  std::map<HKey, std::string> names_;
  std::set<HKey> pretend_;
  HKey nextPretend_ = 0x7E000000;
};

class RecordingShell : public Shell {
 public:
  RecordingShell(Shell& inner, ChangeRecorder& recorder) : inner_(inner), rec_(recorder) {}

  ErrorCode deleteFiles(OwnerWindow owner, const std::string& source) override {
    if (rec_.halted() && !rec_.ignored(source)) return err::kCancelled;
    if (!rec_.recording() || rec_.ignored(source)) return inner_.deleteFiles(owner, source);
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.deleteFiles(owner, source);
    rec_.add(Kind::ShellDeleted, source, 0, e);
    return e;
  }
  ErrorCode copyFile(OwnerWindow owner, const std::string& source,
                     const std::string& target) override {
    if (rec_.halted() && !rec_.ignored(target)) return err::kCancelled;
    if (!rec_.recording() || rec_.ignored(target)) return inner_.copyFile(owner, source, target);
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.copyFile(owner, source, target);
    rec_.add(Kind::FileReplaced, target, 0, e);
    return e;
  }
  ErrorCode emptyRecycleBin(OwnerWindow owner, const std::string& root) override {
    if (rec_.halted()) return err::kCancelled;
    if (!rec_.recording()) return inner_.emptyRecycleBin(owner, root);
    // An empty bin is nothing removed; where the shell cannot count it, the emptying is
    // still reported, without a size.
    long long items = -1, bytes = 0;
    if (inner_.recycleBinContents(root, items, bytes) != err::kSuccess) items = -1, bytes = 0;
    if (items == 0) return err::kSuccess;
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.emptyRecycleBin(owner, root);
    rec_.add(Kind::RecycleBinEmptied, root, static_cast<std::uint64_t>(bytes), e);
    return e;
  }
  ErrorCode recycleBinContents(const std::string& root, long long& items,
                               long long& bytes) override {
    return inner_.recycleBinContents(root, items, bytes);
  }
  ErrorCode knownFolder(int csidl, std::string& path) override {
    return inner_.knownFolder(csidl, path);
  }
  bool browseForFolder(OwnerWindow owner, const std::string& title, const std::string& initial,
                       std::string& path) override {
    return inner_.browseForFolder(owner, title, initial, path);
  }
  std::string tempPath() override { return inner_.tempPath(); }

 private:
  Shell& inner_;
  ChangeRecorder& rec_;
};

}  // namespace

void ChangeRecorder::start(bool analyzing) {
  ++run_;
  changes_.clear();
  section_.clear();
  option_.clear();
  cancelled_ = false;
  itemsSeen_ = itemsRemoved_ = 0;
  bytesRemoved_ = 0;
  unseenRemovals_.clear();
  recording_ = true;
  analyzing_ = analyzing;
}

void ChangeRecorder::stop() {
  recording_ = false;
  analyzing_ = false;
}

void ChangeRecorder::ignoreFolder(const std::string& folder) {
  ignoredFolders_.push_back(lower(withSeparator(folder)));
}

bool ChangeRecorder::ignored(const std::string& path) const {
  // Asked for every change: compared in place, without a lower-case copy of the path.
  for (const std::string& f : ignoredFolders_)
    if (path.size() >= f.size() && std::equal(f.begin(), f.end(), path.begin(), [](char a, char b) {
          return a == static_cast<char>(std::tolower(static_cast<unsigned char>(b)));
        }))
      return true;
  return false;
}

void ChangeRecorder::add(RecordedChange::Kind kind, const std::string& target, std::uint64_t size,
                         ErrorCode result) {
  if (!recording_) return;
  // A change a cleaning has made is recorded even when this is the moment it is
  // cancelled; an analysis records nothing after it.
  if (!keepGoing() && analyzing_) return;
  changes_.push_back({kind, target, size, section_, result, option_, {}});
  if (result != err::kSuccess || kind == Kind::FileOverwritten || kind == Kind::FileCut ||
      kind == Kind::ValueSet)
    return;
  ++itemsRemoved_;
  if (kind == Kind::FileDeleted) bytesRemoved_ += size;
}

void ChangeRecorder::skip(const std::string& target, const std::string& why) {
  if (!recording_ || !keepGoing()) return;
  changes_.push_back({Kind::EntrySkipped, target, 0, section_, err::kInvalidName, option_, why});
}

bool ChangeRecorder::keepGoing() {
  if (!recording_) return true;
  if (cancelled_) return false;
  ++itemsSeen_;
  if (progressCheck_ && itemsSeen_ % kProgressInterval == 0 && !progressCheck_(itemsSeen_))
    cancelled_ = true;
  return !cancelled_;
}

RecordingSystem::RecordingSystem(System& inner, ChangeRecorder& recorder)
    : files_(std::make_unique<RecordingFiles>(inner.files, recorder)),
      registry_(std::make_unique<RecordingRegistry>(inner.registry, recorder)),
      shell_(std::make_unique<RecordingShell>(inner.shell, recorder)),
      removal_(std::make_unique<WalkingTreeRemoval>(*files_)),
      system_{*files_,        *registry_,         inner.clock,     inner.process,
              inner.identity, inner.userSettings, inner.processes, inner.disk,
              *shell_,        *removal_} {}

RecordingSystem::~RecordingSystem() = default;

}  // namespace platform
