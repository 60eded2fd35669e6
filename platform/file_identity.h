#pragma once
// Which file or folder a path names, whatever the spelling: the volume's serial number
// and the file's index on it. Two paths that reach the same folder through a junction
// or a link give the same identity, which lets a walk notice that it is going round in
// circles even where the system does not mark the link.
#include <cstdint>
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
};

}  // namespace platform
