#include "common/file_replace.h"

#include "platform/tree_removal.h"

namespace common {

namespace err = platform::err;

std::string replacementPath(const std::string& path) {
  return path + ".new~";
}

platform::ErrorCode replaceFileContents(platform::Files& files, const std::string& path,
                                        const std::string& contents) {
  const std::string fresh = replacementPath(path);
  platform::ErrorCode code = files.writeFile(fresh, contents);
  if (code == err::kSuccess) code = files.renameFile(fresh, path);
  // A partial or unmoved new file would be mistaken for data on the next run.
  if (code != err::kSuccess) platform::WalkingTreeRemoval(files).removeFile(fresh);
  return code;
}

platform::ErrorCode replaceFileWith(platform::Files& files, const std::string& from,
                                    const std::string& to) {
  return files.renameFile(from, to);
}

}  // namespace common
