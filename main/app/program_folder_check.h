#pragma once
// The start-up check of the program folder. The settings, the lists, the log and the
// report all live there; a folder that cannot be written, whose name the ANSI calls
// cannot reach, or that leaves no room for those names would make every cleaning run on
// defaults and report nothing, so the program says so and cleans nothing instead.
#include <string>

#include "platform/files.h"

namespace vorn {

// The longest name the program writes beside itself, a replacement's suffix included
// ("vorn-report.txt.new~").
inline constexpr std::size_t kLongestOwnFileName = 20;

// Empty when `folder` can be used; otherwise the message that names the folder, what is
// wrong and what to do. Writes and removes one small probe file.
std::string programFolderProblem(platform::Files& files, const std::string& folder);

}  // namespace vorn
