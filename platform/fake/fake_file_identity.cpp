#include "platform/fake/fake_file_identity.h"

#include <cctype>

namespace platform::fake {
namespace {

// One spelling per entry: lower case, no trailing separator except after a drive.
std::string normalise(std::string path) {
  for (char& c : path) {
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (c == '/') c = '\\';
  }
  while (path.size() > 3 && path.back() == '\\') path.pop_back();
  if (path.size() == 2 && path[1] == ':') path += '\\';
  return path;
}

}  // namespace

ErrorCode FakeFileIdentity::identify(const std::string& path, FileId& id) {
  if (!files_.exists(path)) {
    std::string parent = normalise(path);
    std::size_t cut = parent.find_last_of('\\');
    parent = cut == std::string::npos ? std::string() : parent.substr(0, cut + 1);
    return parent.empty() || files_.isFolder(parent) ? err::kFileNotFound : err::kPathNotFound;
  }
  std::string key = normalise(path);
  auto alias = aliases_.find(key);
  if (alias != aliases_.end()) key = alias->second;
  auto [it, added] = indexes_.try_emplace(key, indexes_.size() + 1);
  id = FileId{0x7E57C0DE, it->second};
  return err::kSuccess;
}

ErrorCode FakeFileIdentity::listWithIndexes(
    const std::string& folder,
    const std::function<bool(const FindData&, std::uint64_t fileIndex)>& visit) {
  std::string base = folder;
  if (!base.empty() && base.back() != '\\' && base.back() != '/') base += '\\';
  return files_.find(base + "*.*", [&](const FindData& d) {
    FileId id;
    std::uint64_t index = 0;
    if (d.name != "." && d.name != ".." && identify(base + d.name, id) == err::kSuccess)
      index = id.fileIndex;
    return visit(d, index);
  });
}

void FakeFileIdentity::sameAs(const std::string& path, const std::string& target) {
  aliases_[normalise(path)] = normalise(target);
}

}  // namespace platform::fake
