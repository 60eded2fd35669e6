#pragma once
// Replacing a file that other programs (or the user) depend on, so that at every moment
// either the old or the complete new file is at its path: the new content is written
// beside the old file first and then moved over it in one step.
#include <string>

#include "platform/files.h"

namespace common {

// The name the new content is written under before it replaces `path`.
std::string replacementPath(const std::string& path);

// Writes `contents` beside `path` and moves it over `path` (created when missing). On
// any failure `path` keeps its old content, the partial new file is removed and the
// failing step's code is returned.
platform::ErrorCode replaceFileContents(platform::Files& files, const std::string& path,
                                        const std::string& contents);

// Moves the complete file `from` over `to` in one step (another drive allowed). On a
// failure `to` keeps its old content and `from` stays where it was.
platform::ErrorCode replaceFileWith(platform::Files& files, const std::string& from,
                                    const std::string& to);

}  // namespace common
