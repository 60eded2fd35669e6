#include "common/settings.h"

#include "common/error_trap.h"
#include "common/ini_text.h"
#include "common/save_failure.h"
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
  return AddAllToini({{section, key, value}}, file) == platform::err::kSuccess;
}

platform::ErrorCode Settings::AddAllToini(const std::vector<Value>& values,
                                          const std::string& file) {
  platform::ErrorCode code = platform::err::kSuccess;
  bool finished = false;
  ErrorTrap trap(log_, "AddToini " + file);
  trap.run([&] {
    std::string text;
    code = files_.readFile(file, text);
    if (code == platform::err::kFileNotFound) code = platform::err::kSuccess;
    if (code != platform::err::kSuccess) return void(finished = true);
    // A read-only file stays as it is, like the profile API refusing it.
    std::uint32_t attributes = 0;
    if (files_.getAttributes(file, attributes) == platform::err::kSuccess &&
        (attributes & platform::attr::kReadOnly)) {
      code = platform::err::kAccessDenied;
      finished = true;
      return;
    }
    for (const Value& v : values) text = iniAssign(text, v.section, v.key, v.value);
    const std::string temporary = file + ".new";
    code = files_.writeFile(temporary, text);
    if (code == platform::err::kSuccess) code = files_.renameFile(temporary, file);
    if (code != platform::err::kSuccess) platform::WalkingTreeRemoval(files_).removeFile(temporary);
    finished = true;
  });
  // A step that raised has been logged by the trap; the save did not happen.
  if (!finished && code == platform::err::kSuccess) code = platform::err::kWriteFault;
  if (code != platform::err::kSuccess)
    log_.writeLog("AddToini", 0, 0, saveFailureLogText(file, code));
  return code;
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
