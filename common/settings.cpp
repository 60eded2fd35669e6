#include "common/settings.h"

#include "common/error_trap.h"
#include "common/ini_text.h"
#include "platform/dir_lookup.h"
#include "platform/tree_removal.h"

namespace common {

std::string Settings::getini(const std::string& section, const std::string& key,
                             const std::string& file) {
  std::string result;
  ErrorTrap trap(log_, "getini " + section + " " + key + " " + file + " ");
  trap.run([&] {
    std::string text;
    // A file that cannot be read reads as empty, like the profile API.
    if (files_.readFile(file, text) != platform::err::kSuccess) return;
    std::optional<std::string> value = iniLookup(text, section, key);
    if (!value) return;
    result = value->substr(0, kMaxValue);
    std::size_t nul = result.find('\0');
    if (nul != std::string::npos) result.resize(nul);
  });
  return result;
}

bool Settings::AddToini(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file) {
  bool written = false;
  ErrorTrap trap(log_, "AddToini " + section + " " + key + " " + value + " " + file + " ");
  trap.run([&] {
    std::string text;
    platform::ErrorCode e = files_.readFile(file, text);
    if (e != platform::err::kSuccess && e != platform::err::kFileNotFound) return;
    // A read-only file stays as it is, like the profile API refusing it.
    std::uint32_t attributes = 0;
    if (e == platform::err::kSuccess && files_.getAttributes(file, attributes) == 0 &&
        (attributes & platform::attr::kReadOnly))
      return;
    const std::string temporary = file + ".new";
    if (files_.writeFile(temporary, iniAssign(text, section, key, value)) !=
        platform::err::kSuccess) {
      platform::WalkingTreeRemoval(files_).removeFile(temporary);
      return;
    }
    if (files_.renameFile(temporary, file) != platform::err::kSuccess) {
      platform::WalkingTreeRemoval(files_).removeFile(temporary);
      return;
    }
    written = true;
  });
  return written;
}

bool folderExists(platform::Files& files, const std::string& path) {
  if (path.empty()) return false;
  platform::ErrorCode error;
  auto hit = platform::firstDirEntry(files, path, platform::dirmask::kDirectory, error);
  if (error) raiseWin32(error);
  return hit.has_value();
}

bool fileExists(platform::Files& files, const std::string& path) {
  if (path.empty()) return false;
  platform::ErrorCode error;
  auto hit = platform::firstDirEntry(files, path, platform::dirmask::kNormal, error);
  if (error) raiseWin32(error);
  return hit.has_value();
}

std::string programFolder(platform::ProcessInfo& process) {
  std::string folder = process.programFolder();
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
  return folder;
}

}  // namespace common
