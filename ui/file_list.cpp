#include "ui/file_list.h"

#include <algorithm>

#include "common/run_error.h"

namespace ui {

void FileList::list(const std::string& path) {
  std::string folder = path;
  while (folder.size() > 3 && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  std::uint32_t attributes = 0;
  if (folder.empty() || files_.getAttributes(folder, attributes) != platform::err::kSuccess ||
      !(attributes & platform::attr::kDirectory))
    common::raise(common::errnum::kPathNotFound);
  std::vector<std::string> found;
  std::string prefix = folder.back() == '\\' ? folder : folder + "\\";
  files_.find(prefix + pattern_, [&](const platform::FindData& d) {
    // Hidden and system files stay out, as in the classic list's default.
    if (!d.isDirectory() && !(d.attributes & (platform::attr::kHidden | platform::attr::kSystem)))
      found.push_back(d.name);
    return true;
  });
  std::sort(found.begin(), found.end());
  path_ = folder;
  items_ = std::move(found);
  listIndex_ = -1;
  notify(Change::Items);
}

void FileList::setPath(const std::string& path) {
  list(path);
}

void FileList::setPattern(const std::string& pattern) {
  pattern_ = pattern.empty() ? "*.*" : pattern;
  if (!path_.empty()) refresh();
}

void FileList::setListIndex(int index) {
  if (index < -1 || index >= listCount() || index == listIndex_) return;
  listIndex_ = index;
  notify(Change::Selection);
}

void FileList::userSelected(int index) {
  if (index < -1 || index >= listCount()) return;
  listIndex_ = index;
  if (onClick) onClick();
}

void FileList::userDoubleClicked() {
  if (onDoubleClick) onDoubleClick();
}

void FileList::refresh() {
  if (!path_.empty()) list(path_);
}

}  // namespace ui
