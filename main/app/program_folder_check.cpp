#include "main/app/program_folder_check.h"

#include "common/full_path.h"
#include "common/save_failure.h"
#include "platform/tree_removal.h"

namespace vorn {
namespace {

constexpr const char* kProbeFile = "vorn66.probe~";
constexpr const char* kNothingCleaned = "\r\n\r\nNothing will be cleaned until then.";

std::string cannotUse(const std::string& folder, const std::string& why) {
  return "Tervane cannot use the folder it was started from:\r\n\r\n" + folder + "\r\n\r\n" + why;
}

}  // namespace

std::string programFolderProblem(platform::Files& files, const std::string& folder) {
  if (folder.empty())
    return cannotUse("(unknown)",
                     "The system did not tell the program's own path. Move Tervane to a "
                     "folder with a shorter path." +
                         std::string(kNothingCleaned));
  // "?" and "*" stand for characters the system's code page lacks; no name holds them.
  std::uint32_t attributes = 0;
  if (folder.find_first_of("?*") != std::string::npos ||
      files.getAttributes(folder, attributes) != platform::err::kSuccess ||
      !(attributes & platform::attr::kDirectory))
    return cannotUse(folder,
                     "Its name holds characters outside this system's code page, so the "
                     "settings and lists in it cannot be reached. Move Tervane to a folder "
                     "whose name uses only letters of this system's language, digits, "
                     "spaces and the usual punctuation (for example C:\\Program Files\\Tervane)." +
                         std::string(kNothingCleaned));
  const std::size_t room = common::kMaxPathLength - 1 - kLongestOwnFileName;
  if (folder.size() > room)
    return cannotUse(folder, "Its path is " + std::to_string(folder.size()) +
                                 " characters long; Tervane needs one of at most " +
                                 std::to_string(room) +
                                 " characters to keep its settings, lists and log beside it. "
                                 "Move Tervane to a folder with a shorter path." +
                                 std::string(kNothingCleaned));
  const std::string probe = folder + "\\" + kProbeFile;
  const platform::ErrorCode written = files.writeFile(probe, "probe");
  platform::WalkingTreeRemoval(files).removeFile(probe);
  if (written != platform::err::kSuccess)
    return cannotUse(folder, "Tervane cannot write there: " + common::saveFailureReason(written) +
                                 ". Move Tervane to a folder you may write to, or free some "
                                 "space or remove the folder's write protection." +
                                 std::string(kNothingCleaned));
  return {};
}

}  // namespace vorn
