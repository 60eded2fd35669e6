#pragma once
// Cleaning rules in the winapp2.ini format: one "[Name *]" section per program, naming
// what to look for (Detect, DetectFile, DetectOS), the files and registry keys it leaves
// behind (FileKeyN, RegKeyN) and what to spare among them (ExcludeKeyN). Rule files come
// from anywhere, so reading one takes any bytes; an entry with a line it cannot read is
// left out whole, never carried out in part.
#include <string>
#include <string_view>
#include <vector>

namespace vorn {

// A pattern with more wildcards than this refuses its entry: it matches too much to say
// what it is meant for.
inline constexpr int kMaxRuleWildcards = 10;

// A registry place of a rule. `root` is the short root name ("HKCU", "HKLM", "HKU",
// "HKCR", "HKCC"); `key` has no leading or trailing "\".
struct RuleRegistryPath {
  std::string root;
  std::string key;
  std::string value;
  bool hasValue = false;
};

// FileKeyN=folder|pattern[;pattern...][|RECURSE|REMOVESELF]. The folder keeps its
// environment names ("%AppData%\X"); they are resolved on the running system.
struct RuleFileKey {
  int number = 0;
  std::string folder;
  std::vector<std::string> patterns;
  bool recurse = false;     // sub-folders too
  bool removeSelf = false;  // sub-folders too, then the folder itself
};

// ExcludeKeyN=FILE|folder\|name, PATH|folder\[|patterns] or REG|HIVE\key[|value].
struct RuleExclude {
  enum class Kind { File, Path, Registry };
  Kind kind = Kind::File;
  std::string folder;                 // File, Path
  std::vector<std::string> patterns;  // File: the one name; Path: empty for every file
  RuleRegistryPath registry;          // Registry
};

// A version of DetectOS ("5.1"); major -1 where the bound is open.
struct RuleOsVersion {
  int major = -1, minor = 0;
};

struct CleaningRule {
  std::string name;  // the section name without its trailing " *"
  int line = 0;      // where its section starts
  std::string section;
  std::string warning;
  bool hasWarning = false;
  std::vector<RuleRegistryPath> detect;
  std::vector<std::string> detectFile;
  bool hasOsRange = false;
  RuleOsVersion osMin, osMax;
  std::vector<RuleFileKey> fileKeys;
  std::vector<RuleRegistryPath> regKeys;
  std::vector<RuleExclude> excludes;
};

struct RuleFile {
  std::vector<CleaningRule> rules;
  // What was skipped and why, each with its line: "line 12: ...".
  std::vector<std::string> problems;
};

RuleFile readCleaningRules(std::string_view text);

// The shell folder number (CSIDL) an environment name of a rule stands for, or one of
// the special values below; rulefolder::kUnknown for a name no rule may use.
namespace rulefolder {
inline constexpr int kUnknown = -1;
inline constexpr int kTemp = -2;             // the temporary folder
inline constexpr int kSystemDrive = -3;      // the drive of the Windows folder
inline constexpr int kAllUsersProfile = -4;  // the folder holding the common desktop
}  // namespace rulefolder
int ruleFolderId(std::string_view name);

// A rule path with its "%Name%" parts replaced by `lookup` (which gives the folder
// without a trailing "\", or an empty text where the running system has no such folder).
// Empty where a name is missing on this system; `missing` then holds it.
template <class Lookup>
std::string expandRulePath(const std::string& path, Lookup&& lookup, std::string& missing) {
  std::string out;
  for (std::size_t i = 0; i < path.size();) {
    if (path[i] != '%') {
      out += path[i++];
      continue;
    }
    const std::size_t end = path.find('%', i + 1);
    if (end == std::string::npos) return {};
    const std::string name = path.substr(i + 1, end - i - 1);
    const std::string folder = lookup(name);
    if (folder.empty()) {
      missing = name;
      return {};
    }
    out += folder;
    i = end + 1;
  }
  return out;
}

}  // namespace vorn
