#pragma once
// Which file or folder a path names, whatever the spelling: the volume's serial number
// and the file's index on it. Two paths that reach the same folder through a junction
// or a link give the same identity, which lets a walk notice that it is going round in
// circles even where the system does not mark the link.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/win_types.h"

namespace platform {

struct FileId {
  std::uint32_t volumeSerial = 0;
  std::uint64_t fileIndex = 0;
  friend bool operator==(const FileId&, const FileId&) = default;
  friend auto operator<=>(const FileId&, const FileId&) = default;
};

class FileIdentity {
 public:
  virtual ~FileIdentity() = default;
  // The identity of an existing file or folder (a trailing "\" is allowed for folders).
  // A missing one gives kFileNotFound or kPathNotFound.
  virtual ErrorCode identify(const std::string& path, FileId& id) = 0;

  // Lists the entries of `folder` like Files::find(folder + "\*.*"), giving each one's
  // file index on the folder's volume (0 where the system gives none). A walk learns the
  // identities of the folders it is about to enter from their parent's listing, at no
  // extra cost; asking for each folder's identity separately would cost more than
  // listing it.
  virtual ErrorCode listWithIndexes(
      const std::string& folder,
      const std::function<bool(const FindData&, std::uint64_t fileIndex)>& visit) = 0;
};

}  // namespace platform
