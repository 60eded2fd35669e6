#include "platform/fake/fake_files.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "platform/wildcard.h"

namespace platform::fake {

struct FakeFiles::Node {
  std::string name;
  std::uint32_t attributes = attr::kDirectory;
  std::string data;
  FileTime created = 0, modified = 0;
  bool open = false;
  std::string linkTarget;                                 // not empty for a link
  std::map<std::string, std::unique_ptr<Node>> children;  // keyed by lower-case name

  bool isFolder() const { return (attributes & attr::kDirectory) != 0; }
  bool isLink() const { return !linkTarget.empty(); }
  FindData entry(const std::string& shownName) const {
    FindData d;
    d.name = shownName;
    d.attributes = attributes == 0 ? attr::kNormal : attributes;
    d.size = isFolder() ? 0 : data.size();
    d.created = created;
    d.modified = modified;
    return d;
  }
};

struct FakeFiles::Lookup {
  Node* parent = nullptr;  // null when a folder on the way is missing
  Node* node = nullptr;    // null when the last part is missing
  std::string leaf;        // last part as written; empty for a path ending in "\"
  bool trailingSeparator = false;
  bool throughLink = false;  // a folder on the way is a link
};

namespace {

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::vector<std::string> splitPath(const std::string& path, bool& trailing) {
  std::vector<std::string> parts;
  std::string cur;
  for (char c : path) {
    if (c == '\\' || c == '/') {
      parts.push_back(cur);
      cur.clear();
    } else {
      cur += c;
    }
  }
  parts.push_back(cur);
  trailing = parts.size() > 1 && parts.back().empty();
  return parts;
}

bool isDrive(const std::string& part) {
  return part.size() == 2 && part[1] == ':' && std::isalpha(static_cast<unsigned char>(part[0]));
}

}  // namespace

FakeFiles::FakeFiles(std::function<FileTime()> now)
    : root_(std::make_unique<Node>()), current_{"c:"}, now_(std::move(now)) {
  addFolder("C:\\");
}

FakeFiles::~FakeFiles() = default;

// Turns a path into the list of folder names from the drive down, resolving "." and
// "..", and relative paths against the current folder.
FakeFiles::Lookup FakeFiles::resolve(const std::string& path, int depth) const {
  Lookup result;
  bool trailing = false;
  std::vector<std::string> raw = splitPath(path, trailing);
  result.trailingSeparator = trailing;
  std::vector<std::string> parts;
  std::size_t i = 0;
  if (!raw.empty() && isDrive(raw[0])) {
    parts.push_back(lower(raw[0]));
    i = 1;
  } else if (!raw.empty() && raw[0].empty() && raw.size() > 1) {
    parts.push_back(current_.front());  // "\x": root of the current drive
    i = 1;
  } else {
    parts = current_;
  }
  for (; i < raw.size(); ++i) {
    const std::string& p = raw[i];
    if (p.empty() || p == ".") continue;
    if (p == "..") {
      if (parts.size() > 1) parts.pop_back();
      continue;
    }
    parts.push_back(p);
  }
  Node* node = root_.get();
  for (std::size_t k = 0; k + 1 < parts.size(); ++k) {
    auto it = node->children.find(lower(parts[k]));
    if (it == node->children.end()) return result;
    Node* next = follow(it->second.get(), depth);
    if (!next || !next->isFolder()) return result;
    if (next != it->second.get()) result.throughLink = true;
    node = next;
  }
  result.parent = node;
  result.leaf = parts.back();
  auto it = node->children.find(lower(parts.back()));
  if (it != node->children.end()) result.node = it->second.get();
  return result;
}

// Links to links are followed a few times over; a longer chain (or a circle) leads
// nowhere, as the system gives up on it too.
FakeFiles::Node* FakeFiles::follow(Node* node, int depth) const {
  if (!node || !node->isLink()) return node;
  if (depth > 16) return nullptr;
  return follow(resolve(node->linkTarget, depth + 1).node, depth + 1);
}

// Wine marks only its links to folders; a link to a file lists as the file.
std::uint32_t FakeFiles::shownAttributes(const Node& node) const {
  std::uint32_t a = node.attributes == 0 ? attr::kNormal : node.attributes;
  if (linksLikeWine_ && node.isLink() && !node.isFolder()) a &= ~attr::kReparsePoint;
  return a;
}

// Our Win32 files under Wine refuse to change anything reached through a link, since
// Wine would change the link's target.
bool FakeFiles::refusedAsWineLink(const Lookup& l) const {
  return linksLikeWine_ && l.node && (l.throughLink || l.node->isLink());
}

FakeFiles::Node* FakeFiles::parentFor(const std::string& path, std::string& leaf,
                                      ErrorCode& error) {
  Lookup l = resolve(path);
  if (!l.parent || l.parent == root_.get()) {
    error = err::kPathNotFound;
    return nullptr;
  }
  leaf = l.leaf;
  error = err::kSuccess;
  return l.parent;
}

ErrorCode FakeFiles::find(const std::string& pattern,
                          const std::function<bool(const FindData&)>& visit) {
  std::size_t cut = pattern.find_last_of("\\/");
  std::string folder = cut == std::string::npos ? "" : pattern.substr(0, cut + 1);
  std::string leaf = cut == std::string::npos ? pattern : pattern.substr(cut + 1);
  if (leaf.empty()) return err::kFileNotFound;
  // resolve() drops a final ".", so the looked-up node is the folder itself.
  Lookup l = resolve(folder + ".");
  if (!l.parent) return err::kPathNotFound;
  Node* dir = follow(l.node);
  if (!dir || !dir->isFolder()) return err::kPathNotFound;
  const bool atDriveRoot = l.parent == root_.get();
  std::vector<FindData> found;
  if (!atDriveRoot) {
    if (wildcardMatch(leaf, ".")) found.push_back(dir->entry("."));
    if (wildcardMatch(leaf, "..")) found.push_back(dir->entry(".."));
  }
  for (auto& [key, child] : dir->children)
    if (hasWildcard(leaf)
            ? wildcardMatch(leaf, child->name) || wildcardMatch(leaf, shortNameOf(child->name))
            : equalsIgnoreCase(leaf, child->name)) {
      // Wine lists a link to a file as that file: its size and times.
      const Node* target =
          linksLikeWine_ && child->isLink() && !child->isFolder() ? follow(child.get()) : nullptr;
      found.push_back((target ? target : child.get())->entry(child->name));
      found.back().attributes = shownAttributes(*child);
    }
  if (found.empty()) return err::kFileNotFound;
  for (const FindData& d : found)
    if (!visit(d)) break;
  return err::kSuccess;
}

ErrorCode FakeFiles::readFile(const std::string& path, std::string& contents) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  Node* file = follow(l.node);
  if (!file) return err::kFileNotFound;
  if (file->isFolder()) return err::kAccessDenied;
  contents = file->data;
  return err::kSuccess;
}

ErrorCode FakeFiles::writeFile(const std::string& path, const std::string& contents) {
  if (writeFault)
    if (ErrorCode fault = writeFault(path)) return fault;
  std::string leaf;
  ErrorCode e;
  Node* parent = parentFor(path, leaf, e);
  if (!parent) return e;
  if (leaf.empty() || hasWildcard(leaf)) return err::kInvalidName;
  auto found = parent->children.find(lower(leaf));
  Node* file = nullptr;
  if (found != parent->children.end()) {
    file = follow(found->second.get());
    if (!file) return err::kFileNotFound;
    if (file->isFolder() || (file->attributes & attr::kReadOnly)) return err::kAccessDenied;
    if (file->open) return err::kSharingViolation;
  } else {
    auto& slot = parent->children[lower(leaf)];
    slot = std::make_unique<Node>();
    slot->name = leaf;
    slot->attributes = attr::kArchive;
    slot->created = now_();
    file = slot.get();
  }
  file->data = contents;
  file->modified = now_();
  return err::kSuccess;
}

ErrorCode FakeFiles::appendFile(const std::string& path, const std::string& contents) {
  Node* file = follow(resolve(path).node);
  if (file && !file->isFolder()) {
    if (writeFault)
      if (ErrorCode fault = writeFault(path)) return fault;
    if (file->attributes & attr::kReadOnly) return err::kAccessDenied;
    if (file->open) return err::kSharingViolation;
    file->data += contents;
    file->modified = now_();
    return err::kSuccess;
  }
  return writeFile(path, contents);
}

ErrorCode FakeFiles::deleteFile(const std::string& path) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  if (!l.node) return err::kFileNotFound;
  if (refusedAsWineLink(l)) return err::kNotSupported;
  if (l.node->isFolder() || (l.node->attributes & attr::kReadOnly)) return err::kAccessDenied;
  if (l.node->open) return err::kSharingViolation;
  l.parent->children.erase(lower(l.leaf));
  return err::kSuccess;
}

ErrorCode FakeFiles::renameFile(const std::string& from, const std::string& to) {
  if (writeFault)
    if (ErrorCode fault = writeFault(to)) return fault;
  Lookup src = resolve(from);
  if (!src.parent) return err::kPathNotFound;
  if (!src.node) return err::kFileNotFound;
  if (src.node->open) return err::kSharingViolation;
  std::string leaf;
  ErrorCode e;
  Node* parent = parentFor(to, leaf, e);
  if (!parent) return e;
  auto key = lower(leaf);
  auto it = parent->children.find(key);
  if (it != parent->children.end() && it->second.get() != src.node) {
    Node& target = *it->second;
    if (target.isFolder() || src.node->isFolder()) return err::kAccessDenied;
    if (target.attributes & attr::kReadOnly) return err::kAccessDenied;
    if (target.open) return err::kSharingViolation;
  }
  std::unique_ptr<Node> moving = std::move(src.parent->children[lower(src.leaf)]);
  src.parent->children.erase(lower(src.leaf));
  moving->name = leaf;
  parent->children[key] = std::move(moving);
  return err::kSuccess;
}

ErrorCode FakeFiles::getAttributes(const std::string& path, std::uint32_t& attributes) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  if (!l.node) return err::kFileNotFound;
  attributes = shownAttributes(*l.node);
  return err::kSuccess;
}

ErrorCode FakeFiles::setAttributes(const std::string& path, std::uint32_t attributes) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  if (!l.node) return err::kFileNotFound;
  if (refusedAsWineLink(l)) return err::kNotSupported;
  const std::uint32_t settable = attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;
  const std::uint32_t kept = attr::kDirectory | attr::kReparsePoint;
  l.node->attributes = (l.node->attributes & kept) | (attributes & settable);
  return err::kSuccess;
}

ErrorCode FakeFiles::createDirectory(const std::string& path) {
  std::string leaf;
  ErrorCode e;
  Node* parent = parentFor(path, leaf, e);
  if (!parent) return e;
  if (leaf.empty() || hasWildcard(leaf)) return err::kInvalidName;
  auto& slot = parent->children[lower(leaf)];
  if (slot) return err::kAlreadyExists;
  slot = std::make_unique<Node>();
  slot->name = leaf;
  slot->created = slot->modified = now_();
  return err::kSuccess;
}

ErrorCode FakeFiles::removeDirectory(const std::string& path) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  if (!l.node) return err::kFileNotFound;
  if (!l.node->isFolder()) return 267;  // ERROR_DIRECTORY
  if (refusedAsWineLink(l)) return err::kNotSupported;
  if (l.node->isLink()) {
    l.parent->children.erase(lower(l.leaf));  // the link itself, as Windows does
    return err::kSuccess;
  }
  if (!l.node->children.empty()) return err::kDirNotEmpty;
  if (l.parent == root_.get()) return err::kAccessDenied;
  l.parent->children.erase(lower(l.leaf));
  return err::kSuccess;
}

ErrorCode FakeFiles::changeRefusal(const std::string& path) {
  const Lookup l = resolve(path);
  if (refusedAsWineLink(l)) return err::kNotSupported;
  return l.node && l.node->open ? err::kSharingViolation : err::kSuccess;
}

ErrorCode FakeFiles::removeLink(const std::string& path) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  if (!l.node) return err::kFileNotFound;
  if (!(shownAttributes(*l.node) & attr::kReparsePoint)) return err::kInvalidParameter;
  if (refusedAsWineLink(l)) return err::kNotSupported;
  if (l.node->open) return err::kSharingViolation;
  l.parent->children.erase(lower(l.leaf));
  return err::kSuccess;
}

ErrorCode FakeFiles::overwriteInPlace(const std::string& path, const std::string& pattern) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  Node* file = follow(l.node);
  if (!file) return err::kFileNotFound;
  if (file->isFolder() || (file->attributes & attr::kReadOnly)) return err::kAccessDenied;
  if (refusedAsWineLink(l)) return err::kNotSupported;
  if (file->open) return err::kSharingViolation;
  if (pattern.empty()) return err::kInvalidParameter;
  std::string extent;
  const std::size_t length = std::max(file->data.size(), pattern.size());
  while (extent.size() < length) extent += pattern;
  extent.resize(length);
  file->data = extent;
  file->modified = now_();
  if (onOverwrite) onOverwrite(path, extent);
  return err::kSuccess;
}

ErrorCode FakeFiles::setFileLength(const std::string& path, std::uint64_t length) {
  Lookup l = resolve(path);
  if (!l.parent) return err::kPathNotFound;
  Node* file = follow(l.node);
  if (!file) return err::kFileNotFound;
  if (file->isFolder() || (file->attributes & attr::kReadOnly)) return err::kAccessDenied;
  if (refusedAsWineLink(l)) return err::kNotSupported;
  if (file->open) return err::kSharingViolation;
  file->data.resize(static_cast<std::size_t>(length), '\0');
  file->modified = now_();
  return err::kSuccess;
}

void FakeFiles::addFolder(const std::string& path) {
  bool trailing = false;
  std::vector<std::string> parts = splitPath(path, trailing);
  Node* node = root_.get();
  bool first = true;
  for (const std::string& p : parts) {
    if (p.empty()) continue;
    std::string key = lower(p);
    auto& slot = node->children[key];
    if (!slot) {
      slot = std::make_unique<Node>();
      slot->name = first ? key : p;
      slot->created = slot->modified = now_();
    }
    node = slot.get();
    first = false;
  }
}

void FakeFiles::addFile(const std::string& path, const std::string& contents,
                        std::uint32_t attributes, FileTime modified) {
  std::size_t cut = path.find_last_of("\\/");
  if (cut != std::string::npos) addFolder(path.substr(0, cut));
  std::string leaf;
  ErrorCode e;
  Node* parent = parentFor(path, leaf, e);
  if (!parent) return;
  auto& slot = parent->children[lower(leaf)];
  slot = std::make_unique<Node>();
  slot->name = leaf;
  slot->attributes = attributes & ~attr::kDirectory;
  slot->data = contents;
  slot->created = now_();
  slot->modified = modified ? modified : now_();
}

void FakeFiles::setTimes(const std::string& path, FileTime created, FileTime modified) {
  Lookup l = resolve(path);
  if (l.node) {
    l.node->created = created;
    l.node->modified = modified;
  }
}

void FakeFiles::setOpen(const std::string& path, bool open) {
  Lookup l = resolve(path);
  if (l.node) l.node->open = open;
}

void FakeFiles::setCurrentFolder(const std::string& path) {
  bool trailing = false;
  current_.clear();
  for (const std::string& p : splitPath(path, trailing))
    if (!p.empty()) current_.push_back(current_.empty() ? lower(p) : p);
}

void FakeFiles::setReparsePoint(const std::string& path) {
  Lookup l = resolve(path);
  if (l.node) l.node->attributes |= attr::kReparsePoint;
}

void FakeFiles::addLink(const std::string& path, const std::string& target) {
  std::size_t cut = path.find_last_of("\\/");
  if (cut != std::string::npos) addFolder(path.substr(0, cut));
  std::string leaf;
  ErrorCode e;
  Node* parent = parentFor(path, leaf, e);
  if (!parent || target.empty()) return;
  Node* reached = follow(resolve(target).node);
  auto& slot = parent->children[lower(leaf)];
  slot = std::make_unique<Node>();
  slot->name = leaf;
  slot->linkTarget = target;
  slot->attributes =
      attr::kReparsePoint | (reached && !reached->isFolder() ? attr::kArchive : attr::kDirectory);
  slot->created = slot->modified = now_();
}

bool FakeFiles::exists(const std::string& path) const {
  return resolve(path).node != nullptr;
}

bool FakeFiles::isFolder(const std::string& path) const {
  Lookup l = resolve(path);
  return l.node && l.node->isFolder();
}

std::string FakeFiles::contents(const std::string& path) const {
  Node* file = follow(resolve(path).node);
  return file && !file->isFolder() ? file->data : std::string();
}

std::string FakeFiles::dump() const {
  std::ostringstream out;
  std::function<void(const Node&, const std::string&)> walk = [&](const Node& n,
                                                                  const std::string& prefix) {
    for (auto& [key, child] : n.children) {
      std::string path = prefix.empty()
                             ? std::string(1, static_cast<char>(std::toupper(
                                                  static_cast<unsigned char>(child->name[0])))) +
                                   ":"
                             : prefix + "\\" + child->name;
      out << path << (child->isFolder() ? "\\" : "") << "  [attr " << std::hex << child->attributes
          << std::dec << ", " << child->data.size() << " bytes]";
      if (child->isLink()) out << " -> " << child->linkTarget;
      out << "\n";
      walk(*child, path);
    }
  };
  walk(*root_, "");
  return out.str();
}

std::string FakeFiles::snapshot() const {
  std::ostringstream out;
  std::function<void(const Node&, const std::string&)> walk = [&](const Node& n,
                                                                  const std::string& prefix) {
    for (auto& [key, child] : n.children) {
      const std::string path = prefix + "\\" + child->name;
      out << path << " attr=" << child->attributes << " created=" << child->created
          << " modified=" << child->modified << " link=" << child->linkTarget
          << " size=" << child->data.size() << " data=" << child->data << "\n";
      walk(*child, path);
    }
  };
  walk(*root_, "");
  return out.str();
}

}  // namespace platform::fake
