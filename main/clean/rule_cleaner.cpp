#include "main/clean/rule_cleaner.h"

#include <algorithm>
#include <cctype>
#include <functional>

#include "common/run_error.h"
#include "main/clean/removal_failures.h"
#include "main/paths/protected_folders.h"
#include "platform/wildcard.h"

namespace vorn {
namespace {

std::string upper(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Folders are kept without a trailing "\", a drive root as "C:".
std::string withoutTrailingSlash(std::string s) {
  s = s.substr(0, s.find('\0'));
  while (!s.empty() && s.back() == '\\') s.pop_back();
  return s;
}

bool isFullPath(const std::string& p) {
  return (p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':' &&
          (p.size() == 2 || p[2] == '\\')) ||
         p.rfind("\\\\", 0) == 0;
}

bool isDots(const std::string& name) {
  return name == "." || name == "..";
}

std::string longRoot(const std::string& brief) {
  if (brief == "HKCU") return "HKEY_CURRENT_USER";
  if (brief == "HKLM") return "HKEY_LOCAL_MACHINE";
  if (brief == "HKU") return "HKEY_USERS";
  if (brief == "HKCR") return "HKEY_CLASSES_ROOT";
  return "HKEY_CURRENT_CONFIG";
}

platform::HKey rootHandle(const std::string& brief) {
  if (brief == "HKCU") return platform::hkey::kCurrentUser;
  if (brief == "HKLM") return platform::hkey::kLocalMachine;
  if (brief == "HKU") return platform::hkey::kUsers;
  if (brief == "HKCR") return platform::hkey::kClassesRoot;
  return platform::hkey::kCurrentConfig;
}

std::string fullName(const RuleRegistryPath& r) {
  return longRoot(r.root) + "\\" + r.key + (r.hasValue ? "\\" + r.value : "");
}

// `key` is `holder` or lies beneath it.
bool keyWithin(const std::string& key, const std::string& holder) {
  const std::string k = upper(key), h = upper(holder);
  return k == h || (k.size() > h.size() && k.compare(0, h.size(), h) == 0 && k[h.size()] == '\\');
}

int versionNumber(const RuleOsVersion& v) {
  return v.major * 1000 + v.minor;
}

}  // namespace

struct RuleCleaner::Excludes {
  struct Place {
    std::string folder;  // upper case, no trailing "\"
    std::vector<std::string> patterns;
    bool below = false;  // sub-folders too
  };
  std::vector<Place> places;
  std::vector<RuleRegistryPath> keys;

  bool file(const std::string& path) const {
    const std::size_t cut = path.find_last_of('\\');
    const std::string folder = upper(path.substr(0, cut));
    const std::string name = path.substr(cut + 1);
    for (const Place& p : places) {
      const bool inside =
          folder == p.folder ||
          (p.below && folder.size() > p.folder.size() &&
           folder.compare(0, p.folder.size(), p.folder) == 0 && folder[p.folder.size()] == '\\');
      if (!inside) continue;
      if (p.patterns.empty()) return true;
      for (const std::string& pattern : p.patterns)
        if (platform::wildcardMatch(pattern, name)) return true;
    }
    return false;
  }
  // Something under `folder` is spared.
  bool within(const std::string& folder) const {
    const std::string f = upper(folder);
    for (const Place& p : places)
      if (p.folder == f || (p.folder.size() > f.size() && p.folder.compare(0, f.size(), f) == 0 &&
                            p.folder[f.size()] == '\\'))
        return true;
    return false;
  }
};

RuleCleaner::RuleCleaner(platform::System& system, RegistryAccess& registry,
                         common::SessionLog& log, std::string label)
    : system_(system), registry_(registry), log_(log), label_(std::move(label)) {}

void RuleCleaner::load(const std::string& path) {
  std::string text;
  if (system_.files.readFile(path, text) != platform::err::kSuccess) {
    rules_.clear();
    return;
  }
  setRules(readCleaningRules(text));
}

void RuleCleaner::setRules(RuleFile file) {
  common::ErrorTrap trap(log_, label_);
  for (const std::string& problem : file.problems)
    trap.record(common::errnum::kInvalidCall, problem);
  rules_ = std::move(file.rules);
  folders_.clear();
}

std::string RuleCleaner::folderOf(const std::string& name) {
  const std::string key = upper(name);
  auto found = folders_.find(key);
  if (found != folders_.end()) return found->second;
  std::string folder;
  auto known = [&](int csidl) {
    std::string path;
    if (system_.shell.knownFolder(csidl, path) != platform::err::kSuccess) return std::string();
    path = withoutTrailingSlash(path);
    return isFullPath(path) ? path : std::string();
  };
  switch (const int id = ruleFolderId(name)) {
    case rulefolder::kUnknown:
      break;
    case rulefolder::kTemp:
      folder = withoutTrailingSlash(system_.shell.tempPath());
      if (!isFullPath(folder)) folder.clear();
      break;
    case rulefolder::kSystemDrive:
      folder = known(0x24).substr(0, 2);
      if (folder.size() != 2 || folder[1] != ':') folder.clear();
      break;
    case rulefolder::kAllUsersProfile: {
      // The common desktop lies directly in the profile that all users share.
      const std::string desktop = known(0x19);
      const std::size_t cut = desktop.find_last_of('\\');
      if (cut != std::string::npos && cut > 2) folder = desktop.substr(0, cut);
      break;
    }
    default:
      folder = known(id);
  }
  folders_[key] = folder;
  // Once per name and load: every key naming it then acts on nothing.
  if (folder.empty())
    common::ErrorTrap(log_, label_)
        .record(common::errnum::kPathNotFound,
                "this system has no %" + name + "%; the keys naming it do not apply");
  return folder;
}

std::string RuleCleaner::expand(const std::string& path, std::string& missing) {
  const std::string out = expandRulePath(
      path, [this](const std::string& n) { return folderOf(n); }, missing);
  return out.empty() ? out : withoutTrailingSlash(out);
}

bool RuleCleaner::detected(const CleaningRule& rule) {
  if (rule.hasOsRange) {
    int major = 0, minor = 0;
    if (!system_.process.windowsVersion(major, minor)) return false;
    const int v = major * 1000 + minor;
    if (rule.osMin.major >= 0 && v < versionNumber(rule.osMin)) return false;
    if (rule.osMax.major >= 0 && v > versionNumber(rule.osMax)) return false;
  }
  if (!rule.detect.empty()) {
    bool any = false;
    for (const RuleRegistryPath& r : rule.detect) {
      platform::HKey key = 0;
      if (system_.registry.openKey(rootHandle(r.root), r.key, platform::access::kRead, key) ==
          platform::err::kSuccess) {
        system_.registry.closeKey(key);
        any = true;
        break;
      }
    }
    if (!any) return false;
  }
  if (!rule.detectFile.empty()) {
    bool any = false;
    for (const std::string& f : rule.detectFile) {
      std::string missing;
      const std::string path = expand(f, missing);
      if (path.empty()) continue;
      if (platform::hasWildcard(path)) {
        system_.files.find(path, [&](const platform::FindData& d) {
          any = !isDots(d.name);
          return !any;
        });
      } else {
        std::uint32_t attributes = 0;
        any = system_.files.getAttributes(path, attributes) == platform::err::kSuccess;
      }
      if (any) break;
    }
    if (!any) return false;
  }
  return true;
}

std::vector<const CleaningRule*> RuleCleaner::detectedRules() {
  std::vector<const CleaningRule*> found;
  for (const CleaningRule& r : rules_)
    if (detected(r)) found.push_back(&r);
  return found;
}

void RuleCleaner::skip(common::ErrorTrap& trap, const std::string& target, const std::string& why) {
  trap.record(common::errnum::kPathFileAccess, target + ": " + why);
  if (onSkipped) onSkipped(target, why);
}

void RuleCleaner::clean(const CleaningRule& rule) {
  common::ErrorTrap trap(log_, label_);
  Excludes ex;
  for (const RuleExclude& e : rule.excludes) {
    if (e.kind == RuleExclude::Kind::Registry) {
      ex.keys.push_back(e.registry);
      continue;
    }
    std::string missing;
    const std::string folder = expand(e.folder, missing);
    // A place this system lacks holds nothing to spare.
    if (folder.empty()) continue;
    ex.places.push_back({upper(folder), e.patterns, e.kind == RuleExclude::Kind::Path});
  }
  for (const RuleFileKey& key : rule.fileKeys) {
    trap.step = key.number;
    trap.run([&] { cleanFileKey(ex, rule, key); });
  }
  for (const RuleRegistryPath& key : rule.regKeys)
    trap.run([&] { cleanRegKey(trap, ex, rule, key); });
}

void RuleCleaner::cleanFileKey(const Excludes& ex, const CleaningRule& rule,
                               const RuleFileKey& key) {
  const std::string where = "[" + rule.name + "] FileKey" + std::to_string(key.number);
  std::string missing;
  const std::string folder = expand(key.folder, missing);
  if (folder.empty())
    throw common::RunError(common::errnum::kPathNotFound,
                           where + ": this system has no %" + missing + "%; the key is skipped");
  if (!isFullPath(folder))
    throw common::RunError(common::errnum::kBadFileName,
                           where + ": \"" + folder + "\" is no full path");
  const bool protectedFolder = isProtectedFolder(system_, folder);
  if (key.recurse && protectedFolder)
    throw common::RunError(common::errnum::kPathFileAccess,
                           where + ": " + systemFolderMessage(folder));
  if (protectedFolder)
    for (const std::string& p : key.patterns)
      if (p == "*" || p == "*.*")
        throw common::RunError(common::errnum::kPathFileAccess,
                               where + ": every file of " + systemFolderMessage(folder));

  platform::RemovalReport report;
  auto removeIn = [&](const std::string& dir) {
    for (const std::string& pattern : key.patterns)
      report.add(
          system_.removal.removeSelected(dir + "\\" + pattern, [&](const platform::FindData& d) {
            // The long name must match: a short name alone ("*.gid" finding "a.gidx") is not
            // enough.
            return platform::wildcardMatch(pattern, d.name) && !ex.file(dir + "\\" + d.name);
          }));
  };
  const bool everything =
      std::find_if(key.patterns.begin(), key.patterns.end(), [](const std::string& p) {
        return p == "*" || p == "*.*";
      }) != key.patterns.end();
  if (key.removeSelf && everything && !ex.within(folder)) {
    // The whole folder goes; its links are removed as links or left, never entered.
    report.add(system_.removal.removeFolder(folder));
  } else if (key.recurse) {
    std::function<void(const std::string&, int)> walk = [&](const std::string& dir, int depth) {
      removeIn(dir);
      if (depth >= 64) return;
      std::vector<std::string> below;
      system_.files.find(dir + "\\*.*", [&](const platform::FindData& d) {
        if (d.isDirectory() && !isDots(d.name) && !(d.attributes & platform::attr::kReparsePoint))
          below.push_back(dir + "\\" + d.name);
        return true;
      });
      for (const std::string& sub : below) walk(sub, depth + 1);
      // A folder emptied by the patterns goes too where the key asks for its own removal.
      if (key.removeSelf && !ex.within(dir)) {
        bool empty = true;
        system_.files.find(dir + "\\*.*", [&](const platform::FindData& d) {
          empty = isDots(d.name);
          return empty;
        });
        if (empty) report.add(system_.removal.removeFolder(dir));
      }
    };
    walk(folder, 0);
  } else {
    removeIn(folder);
  }
  if (!report.complete())
    throw common::RunError(common::errnum::kPathFileAccess,
                           where + ": " + removalFailureText(report));
}

void RuleCleaner::cleanRegKey(common::ErrorTrap& trap, const Excludes& ex, const CleaningRule& rule,
                              const RuleRegistryPath& key) {
  if (key.root != "HKCU") {
    skip(trap, fullName(key), "only keys under HKEY_CURRENT_USER are removed");
    return;
  }
  for (const RuleRegistryPath& e : ex.keys) {
    if (e.root != key.root) continue;
    // A key that holds a spared key or value stays whole; a value stays when it is spared.
    bool spared;
    if (key.hasValue)
      spared = keyWithin(key.key, e.key) &&
               (!e.hasValue ||
                (upper(e.key) == upper(key.key) && platform::equalsIgnoreCase(e.value, key.value)));
    else
      spared = keyWithin(e.key, key.key) || (!e.hasValue && keyWithin(key.key, e.key));
    if (spared) {
      skip(trap, fullName(key), "spared by an ExcludeKey of [" + rule.name + "]");
      return;
    }
  }
  if (key.hasValue)
    registry_.deleteValue(platform::hkey::kCurrentUser, key.key, key.value);
  else
    registry_.deleteRegistryKey(platform::hkey::kCurrentUser, key.key);
}

void cleanRulesInFrame(RunFrame& frame, common::ErrorTrap* trap, RuleCleaner& cleaner,
                       const std::vector<const CleaningRule*>& rules) {
  for (const CleaningRule* rule : rules) {
    frame.beginOption(rule->name);
    frame.statement(trap, [&] { cleaner.clean(*rule); });
  }
}

}  // namespace vorn
