#pragma once
// Access to the settings files (mainten.ini, url.ini, index.ini) and the existence
// tests that guard every path taken from them.
#include <string>
#include <vector>

#include "common/session_log.h"
#include "platform/files.h"
#include "platform/process_info.h"

namespace common {

class Settings {
 public:
  // The longest value that comes back; longer values are cut.
  static constexpr std::size_t kMaxValue = 254;

  Settings(platform::Files& files, SessionLog& log) : files_(files), log_(log) {}

  // The value of `key` in `section` of `file`; empty when the file, section or key is
  // missing. Reads the file anew on every call.
  std::string getini(const std::string& section, const std::string& key, const std::string& file);

  // Writes one value, creating the file, section and key as needed. The file is
  // replaced whole through a temporary file and a rename, so a crash mid-write never
  // leaves half a settings file. False when the file could not be written; the log then
  // names the file and why.
  bool AddToini(const std::string& section, const std::string& key, const std::string& value,
                const std::string& file);

  struct Value {
    std::string section, key, value;
  };
  // Writes every value in one replacement of the file: either all of them are saved or
  // the file keeps its old text. Returns the failing step's code (logged with the file),
  // kAccessDenied for a read-only file.
  platform::ErrorCode AddAllToini(const std::vector<Value>& values, const std::string& file);

 private:
  platform::Files& files_;
  SessionLog& log_;
};

// False for the empty text; otherwise true when a folder lookup of the path (with or
// without a trailing "\") finds an entry. Lookup failures other than "not found" raise.
bool folderExists(platform::Files& files, const std::string& path);
// False for the empty text; otherwise true when a lookup of the path with normal
// attributes (wildcards allowed) finds an ordinary file.
bool fileExists(platform::Files& files, const std::string& path);

// The program folder without one trailing separator ("\" or "/").
std::string programFolder(platform::ProcessInfo& process);

}  // namespace common
