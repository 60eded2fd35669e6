#include "platform/tree_removal.h"

#include <vector>

namespace platform {
namespace {

// Deeper than any real tree; a circle that the system does not mark as a link ends here
// instead of running until the path is too long.
constexpr int kMaxDepth = 64;

bool isDots(const std::string& name) {
  return name == "." || name == "..";
}

std::string withoutTrailingSeparator(std::string path) {
  while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.pop_back();
  return path;
}

void leftInPlace(RemovalReport& report, const std::string& path, ErrorCode error) {
  if (report.notRemoved++ == 0) {
    report.firstPath = path;
    report.firstError = error;
  }
  report.refused.push_back({path, error});
}

std::string folderPart(const std::string& pattern) {
  const std::size_t cut = pattern.find_last_of("\\/");
  return cut == std::string::npos ? std::string() : pattern.substr(0, cut);
}

// Where the folders of a full path begin: after "X:\" or after "\\server\share\".
std::size_t firstFolderAt(const std::string& path) {
  if (path.size() >= 2 && path[1] == ':') return path.size() > 2 ? 3 : 2;
  if (path.rfind("\\\\", 0) == 0) {
    std::size_t server = path.find('\\', 2);
    std::size_t share = server == std::string::npos ? server : path.find('\\', server + 1);
    return share == std::string::npos ? path.size() : share + 1;
  }
  return 0;
}

}  // namespace

void RemovalReport::add(const RemovalReport& other) {
  if (notRemoved == 0 && other.notRemoved != 0) {
    firstPath = other.firstPath;
    firstError = other.firstError;
  }
  removed += other.removed;
  notRemoved += other.notRemoved;
  linksKept += other.linksKept;
  refused.insert(refused.end(), other.refused.begin(), other.refused.end());
}

// A folder reached through a link is the link's target: walking it would delete what
// the link points at. Each folder on the way down is asked for its own attributes.
bool WalkingTreeRemoval::startsThroughLink(const std::string& folder, RemovalReport& report) {
  std::size_t at = firstFolderAt(folder);
  while (at < folder.size()) {
    std::size_t end = folder.find_first_of("\\/", at);
    if (end == std::string::npos) end = folder.size();
    const std::string step = folder.substr(0, end);
    std::uint32_t attributes = 0;
    if (end > at && files_.getAttributes(step, attributes) == err::kSuccess &&
        (attributes & attr::kReparsePoint)) {
      leftInPlace(report, folder, err::kReparsePointEncountered);
      return true;
    }
    at = end + 1;
  }
  return false;
}

void WalkingTreeRemoval::removeFile(const std::string& path, std::uint32_t attributes,
                                    RemovalReport& report) {
  const std::uint32_t settable = attr::kReadOnly | attr::kHidden | attr::kSystem | attr::kArchive;
  const bool readOnly = (attributes & attr::kReadOnly) != 0;
  if (readOnly) files_.setAttributes(path, attr::kNormal);
  if (ErrorCode e = files_.deleteFile(path)) {
    // A file that stays keeps the protection it had.
    if (readOnly) files_.setAttributes(path, attributes & settable);
    if (e == err::kNotSupported) ++report.linksKept;  // a link the system cannot remove alone
    leftInPlace(report, path, e);
    return;
  }
  ++report.removed;
}

void WalkingTreeRemoval::removeEntry(const std::string& path, const FindData& entry, int depth,
                                     RemovalReport& report) {
  if (entry.attributes & attr::kReparsePoint) {
    if (ErrorCode e = files_.removeLink(path)) {
      if (e == err::kNotSupported) ++report.linksKept;
      leftInPlace(report, path, e);
    } else {
      ++report.removed;
    }
    return;
  }
  if (!entry.isDirectory()) {
    removeFile(path, entry.attributes, report);
    return;
  }
  if (depth >= kMaxDepth) {
    leftInPlace(report, path, err::kCantResolveFilename);
    return;
  }
  const std::uint32_t before = report.notRemoved;
  empty(path, depth + 1, report);
  // What stayed inside is reported already; the folder holding it stays too.
  if (report.notRemoved != before) return;
  if (entry.attributes & attr::kReadOnly) files_.setAttributes(path, attr::kNormal);
  if (ErrorCode e = files_.removeDirectory(path))
    leftInPlace(report, path, e);
  else
    ++report.removed;
}

void WalkingTreeRemoval::empty(const std::string& folder, int depth, RemovalReport& report) {
  // The listing is taken whole before anything is removed from the folder.
  std::vector<FindData> entries;
  ErrorCode e = files_.find(folder + "\\*.*", [&](const FindData& d) {
    if (!isDots(d.name)) entries.push_back(d);
    return true;
  });
  if (e != err::kSuccess && e != err::kFileNotFound && e != err::kNoMoreFiles) {
    if (e != err::kPathNotFound || depth > 0) leftInPlace(report, folder, e);
    return;
  }
  for (const FindData& d : entries) removeEntry(folder + "\\" + d.name, d, depth, report);
}

RemovalReport WalkingTreeRemoval::emptyFolder(const std::string& folder) {
  RemovalReport report;
  const std::string base = withoutTrailingSeparator(folder);
  if (base.empty() || startsThroughLink(base, report)) return report;
  empty(base, 0, report);
  return report;
}

RemovalReport WalkingTreeRemoval::removeFolder(const std::string& folder) {
  RemovalReport report;
  const std::string base = withoutTrailingSeparator(folder);
  if (base.empty() || startsThroughLink(base, report)) return report;
  std::uint32_t attributes = 0;
  if (files_.getAttributes(base, attributes) != err::kSuccess) return report;  // nothing there
  FindData self;
  self.attributes = attributes;
  removeEntry(base, self, 0, report);
  return report;
}

RemovalReport WalkingTreeRemoval::removeMatching(const std::string& pattern) {
  return removeSelected(pattern, {});
}

RemovalReport WalkingTreeRemoval::removeSelected(const std::string& pattern,
                                                 const Selection& take) {
  RemovalReport report;
  const std::string folder = folderPart(pattern);
  if (!folder.empty() && startsThroughLink(folder, report)) return report;
  std::vector<FindData> files;
  ErrorCode e = files_.find(pattern, [&](const FindData& d) {
    if (!d.isDirectory() && !isDots(d.name) && (!take || take(d))) files.push_back(d);
    return true;
  });
  if (e != err::kSuccess && e != err::kFileNotFound && e != err::kPathNotFound &&
      e != err::kNoMoreFiles) {
    leftInPlace(report, pattern, e);
    return report;
  }
  const std::size_t cut = pattern.find_last_of("\\/");
  const std::string prefix = cut == std::string::npos ? std::string() : pattern.substr(0, cut + 1);
  for (const FindData& d : files) removeEntry(prefix + d.name, d, 0, report);
  return report;
}

RemovalReport WalkingTreeRemoval::removeFile(const std::string& path) {
  RemovalReport report;
  const std::string folder = folderPart(path);
  if (!folder.empty() && startsThroughLink(folder, report)) return report;
  FindData self;
  const ErrorCode e = files_.getAttributes(path, self.attributes);
  if (e == err::kFileNotFound || e == err::kPathNotFound) return report;  // nothing there
  if (e != err::kSuccess) {
    leftInPlace(report, path, e);
    return report;
  }
  if (self.isDirectory() && !(self.attributes & attr::kReparsePoint)) {
    leftInPlace(report, path, err::kAccessDenied);
    return report;
  }
  removeEntry(path, self, 0, report);
  return report;
}

ErrorCode WalkingTreeRemoval::overwriteFile(const std::string& path, const std::string& pattern) {
  if (pattern.empty()) return err::kInvalidParameter;
  // Through a linked folder the bytes would land in the link's target.
  RemovalReport through;
  const std::string folder = folderPart(path);
  if (!folder.empty() && startsThroughLink(folder, through)) return err::kReparsePointEncountered;
  std::uint32_t attributes = 0;
  ErrorCode e = files_.getAttributes(path, attributes);
  if (e == err::kPathNotFound) return err::kFileNotFound;
  if (e != err::kSuccess) return e;
  if (attributes & attr::kReparsePoint) return err::kNotSupported;
  if (attributes & attr::kDirectory) return err::kAccessDenied;
  e = files_.overwriteInPlace(path, pattern);
  // Only with every old byte overwritten may the file shrink to the pattern's length.
  return e != err::kSuccess ? e : files_.setFileLength(path, pattern.size());
}

}  // namespace platform
