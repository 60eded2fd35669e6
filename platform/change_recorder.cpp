#include "platform/change_recorder.h"

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>

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

class RecordingFiles : public Files {
 public:
  RecordingFiles(Files& inner, ChangeRecorder& recorder) : inner_(inner), rec_(recorder) {}

  ErrorCode find(const std::string& pattern,
                 const std::function<bool(const FindData&)>& visit) override {
    if (!rec_.analyzing()) return inner_.find(pattern, visit);
    forgetEarlierRuns();
    const std::size_t cut = pattern.find_last_of("\\/");
    if (cut == std::string::npos) return inner_.find(pattern, visit);
    const std::string folder = lower(pattern.substr(0, cut + 1));
    return inner_.find(pattern, [&](const FindData& d) {
      if (d.name != "." && d.name != "..") listed_[folder + lower(d.name)] = d.size;
      return visit(d);
    });
  }
  ErrorCode changeRefusal(const std::string& path) override { return inner_.changeRefusal(path); }
  ErrorCode readFile(const std::string& path, std::string& contents) override {
    return inner_.readFile(path, contents);
  }
  ErrorCode getAttributes(const std::string& path, std::uint32_t& attributes) override {
    return inner_.getAttributes(path, attributes);
  }

  ErrorCode writeFile(const std::string& path, const std::string& contents) override {
    const bool replacing = watched(path) && exists(path);
    const std::uint64_t size = replacing ? sizeOf(path) : 0;
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.writeFile(path, contents);
    if (replacing) rec_.add(Kind::FileReplaced, path, size, e);
    return e;
  }
  // Appending only adds (the program's log); nothing to report.
  ErrorCode appendFile(const std::string& path, const std::string& contents) override {
    return rec_.analyzing() ? err::kSuccess : inner_.appendFile(path, contents);
  }
  ErrorCode deleteFile(const std::string& path) override {
    if (!watched(path)) return inner_.deleteFile(path);
    const std::uint64_t size = sizeOf(path);
    const ErrorCode e = rec_.analyzing() ? existence(path) : inner_.deleteFile(path);
    if (e != err::kFileNotFound && e != err::kPathNotFound)
      rec_.add(Kind::FileDeleted, path, size, e);
    return e;
  }
  ErrorCode renameFile(const std::string& from, const std::string& to) override {
    if (!watched(to)) return inner_.renameFile(from, to);
    // The new content's size: what replaces the old file.
    const std::uint64_t size = exists(to) ? sizeOf(to) : 0;
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.renameFile(from, to);
    rec_.add(Kind::FileReplaced, to, size, e);
    return e;
  }
  ErrorCode setAttributes(const std::string& path, std::uint32_t attributes) override {
    return rec_.analyzing() ? existence(path) : inner_.setAttributes(path, attributes);
  }
  ErrorCode createDirectory(const std::string& path) override {
    return rec_.analyzing() ? err::kSuccess : inner_.createDirectory(path);
  }
  ErrorCode removeDirectory(const std::string& path) override {
    if (!watched(path)) return inner_.removeDirectory(path);
    const ErrorCode e = rec_.analyzing() ? existence(path) : inner_.removeDirectory(path);
    if (e != err::kFileNotFound && e != err::kPathNotFound)
      rec_.add(Kind::FolderRemoved, path, 0, e);
    return e;
  }
  ErrorCode removeLink(const std::string& path) override {
    if (!watched(path)) return inner_.removeLink(path);
    ErrorCode e;
    if (rec_.analyzing()) {
      std::uint32_t a = 0;
      e = inner_.getAttributes(path, a);
      if (e == err::kSuccess && !(a & attr::kReparsePoint)) e = err::kInvalidParameter;
    } else {
      e = inner_.removeLink(path);
    }
    if (e != err::kInvalidParameter) rec_.add(Kind::LinkRemoved, path, 0, e);
    return e;
  }
  ErrorCode overwriteInPlace(const std::string& path, const std::string& pattern) override {
    if (!watched(path)) return inner_.overwriteInPlace(path, pattern);
    const std::uint64_t size = sizeOf(path);
    const ErrorCode e = rec_.analyzing() ? existence(path) : inner_.overwriteInPlace(path, pattern);
    rec_.add(Kind::FileOverwritten, path, size, e);
    return e;
  }
  ErrorCode setFileLength(const std::string& path, std::uint64_t length) override {
    if (!watched(path)) return inner_.setFileLength(path, length);
    const std::uint64_t size = sizeOf(path);
    const ErrorCode e = rec_.analyzing() ? existence(path) : inner_.setFileLength(path, length);
    rec_.add(Kind::FileCut, path, size, e);
    return e;
  }

 private:
  bool watched(const std::string& path) const { return rec_.recording() && !rec_.ignored(path); }
  // What the change would give: the path's absence, or the system's refusal of it.
  ErrorCode existence(const std::string& path) {
    if (lastListed(path)) return inner_.changeRefusal(path);
    std::uint32_t a = 0;
    const ErrorCode e = inner_.getAttributes(path, a);
    return e == err::kSuccess ? inner_.changeRefusal(path) : e;
  }
  bool exists(const std::string& path) {
    std::uint32_t a = 0;
    return inner_.getAttributes(path, a) == err::kSuccess;
  }
  std::uint64_t sizeOf(const std::string& path) {
    if (const std::uint64_t* listed = lastListed(path)) return *listed;
    std::uint64_t size = 0;
    inner_.find(path, [&](const FindData& d) {
      size = d.size;
      return false;
    });
    return size;
  }

  // An engine lists a folder, then removes what the listing showed. While analysing
  // nothing is changed, so the size of each entry in the latest listings of this run
  // answers for it: asking the system again for every file would cost an analysis as
  // much as a walk of each file on its own. A path no listing showed is asked for.
  const std::uint64_t* lastListed(const std::string& path) {
    if (!rec_.analyzing() || listedRun_ != rec_.run()) return nullptr;
    auto it = listed_.find(lower(path));
    return it == listed_.end() ? nullptr : &it->second;
  }
  void forgetEarlierRuns() {
    if (listedRun_ == rec_.run()) return;
    listed_.clear();
    listedRun_ = rec_.run();
  }

  Files& inner_;
  ChangeRecorder& rec_;
  std::unordered_map<std::string, std::uint64_t> listed_;  // lower-case path: size
  unsigned listedRun_ = 0;
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
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.setValue(key, name, type, data);
    if (rec_.recording()) rec_.add(Kind::ValueSet, valuePath(key, name), data.size(), e);
    return e;
  }
  ErrorCode deleteValue(HKey key, const std::string& name) override {
    if (!rec_.recording()) return inner_.deleteValue(key, name);
    std::uint32_t type = 0, size = 0;
    const ErrorCode found =
        pretend_.count(key) ? err::kFileNotFound : inner_.queryValueInfo(key, name, type, size);
    const ErrorCode e = rec_.analyzing() ? found : inner_.deleteValue(key, name);
    if (found == err::kSuccess) rec_.add(Kind::ValueDeleted, valuePath(key, name), size, e);
    return e;
  }
  ErrorCode deleteKey(HKey root, const std::string& subKey) override {
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
    if (!rec_.recording() || rec_.ignored(source)) return inner_.deleteFiles(owner, source);
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.deleteFiles(owner, source);
    rec_.add(Kind::ShellDeleted, source, 0, e);
    return e;
  }
  ErrorCode copyFile(OwnerWindow owner, const std::string& source,
                     const std::string& target) override {
    if (!rec_.recording() || rec_.ignored(target)) return inner_.copyFile(owner, source, target);
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.copyFile(owner, source, target);
    rec_.add(Kind::FileReplaced, target, 0, e);
    return e;
  }
  ErrorCode emptyRecycleBin(OwnerWindow owner, const std::string& root) override {
    if (!rec_.recording()) return inner_.emptyRecycleBin(owner, root);
    const ErrorCode e = rec_.analyzing() ? err::kSuccess : inner_.emptyRecycleBin(owner, root);
    rec_.add(Kind::RecycleBinEmptied, root, 0, e);
    return e;
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
  const std::string p = lower(path);
  for (const std::string& f : ignoredFolders_)
    if (p.compare(0, f.size(), f) == 0) return true;
  return false;
}

void ChangeRecorder::add(RecordedChange::Kind kind, const std::string& target, std::uint64_t size,
                         ErrorCode result) {
  if (!recording_) return;
  changes_.push_back({kind, target, size, section_, result});
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
