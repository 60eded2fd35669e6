#include "main/clean/cleaning_rules.h"

#include <cctype>
#include <unordered_set>

#include "platform/wildcard.h"

namespace vorn {
namespace {

struct FolderName {
  const char* name;
  int id;
};

// The names peers' rule files use, with the shell folder each stands for. Each is looked
// up on the running system, so one entry finds the folder wherever that system keeps it.
constexpr FolderName kFolderNames[] = {
    {"AppData", 0x1A},
    {"LocalAppData", 0x1C},
    {"ProgramFiles", 0x26},
    {"ProgramFiles(x86)", 0x2A},
    {"CommonProgramFiles", 0x2B},
    {"CommonProgramFiles(x86)", 0x2C},
    {"UserProfile", 0x28},
    {"WinDir", 0x24},
    {"SystemRoot", 0x24},
    {"SystemDrive", rulefolder::kSystemDrive},
    {"Temp", rulefolder::kTemp},
    {"Tmp", rulefolder::kTemp},
    {"AllUsersProfile", rulefolder::kAllUsersProfile},
    {"CommonAppData", 0x23},
    {"ProgramData", 0x23},
    {"Documents", 0x05},
    {"CommonDocuments", 0x2E},
    {"Public", 0x2E},
    {"Desktop", 0x10},
    {"Favorites", 0x06},
    {"StartMenu", 0x0B},
    {"Music", 0x0D},
    {"Pictures", 0x27},
    {"Video", 0x0E},
    {"Cookies", 0x21},
    {"History", 0x22},
    {"InternetCache", 0x20},
    {"SendTo", 0x09},
    {"Recent", 0x08},
    {"Fonts", 0x14},
};

std::string_view trimmed(std::string_view s) {
  std::size_t a = 0, b = s.size();
  while (a < b && (s[a] == ' ' || s[a] == '\t')) ++a;
  while (b > a && (s[b - 1] == ' ' || s[b - 1] == '\t')) --b;
  return s.substr(a, b - a);
}

std::string trim(std::string_view s) {
  return std::string(trimmed(s));
}

std::vector<std::string> split(const std::string& s, char by) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t at = s.find(by, start);
    parts.push_back(trim(std::string_view(s).substr(start, at - start)));
    if (at == std::string::npos) return parts;
    start = at + 1;
  }
}

std::string upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

int wildcards(std::string_view s) {
  int n = 0;
  for (char c : s) n += c == '*' || c == '?';
  return n;
}

// Why a line cannot be taken; thrown inside the reader only.
struct Malformed {
  std::string why;
};

[[noreturn]] void malformed(std::string why) {
  throw Malformed{std::move(why)};
}

// Every "%Name%" must be one the reader knows: an unknown one would be a guess.
void checkNames(const std::string& path) {
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] != '%') continue;
    const std::size_t end = path.find('%', i + 1);
    if (end == std::string::npos) malformed("an unclosed % in \"" + path + "\"");
    const std::string name = path.substr(i + 1, end - i - 1);
    if (ruleFolderId(name) == rulefolder::kUnknown) malformed("unknown folder name %" + name + "%");
    i = end;
  }
}

// A folder of a rule: a full path (or one starting with a folder name), no wildcards,
// no ".." that could climb out of it. Trailing "\" dropped.
std::string folderPath(std::string path, bool wildcardInLastPart = false) {
  while (path.size() > 1 && path.back() == '\\') path.pop_back();
  if (path.empty()) malformed("an empty folder");
  checkNames(path);
  const bool named = path[0] == '%';
  // A drive root is kept as "C:".
  const bool drive = path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) &&
                     path[1] == ':' && (path.size() == 2 || path[2] == '\\');
  const bool share = path.rfind("\\\\", 0) == 0 && path.size() > 2;
  if (!named && !drive && !share) malformed("\"" + path + "\" is no full path");
  std::size_t last = path.find_last_of('\\');
  for (std::size_t start = 0; start <= path.size();) {
    std::size_t end = path.find('\\', start);
    if (end == std::string::npos) end = path.size();
    const std::string_view part = trimmed(std::string_view(path).substr(start, end - start));
    if (part == ".." || part == ".") malformed("\"" + path + "\" holds a \".\" or \"..\" part");
    start = end + 1;
  }
  const std::string_view head = wildcardInLastPart && last != std::string::npos
                                    ? std::string_view(path).substr(0, last)
                                    : std::string_view(path);
  if (platform::hasWildcard(head)) malformed("a wildcard in the folder \"" + path + "\"");
  if (path.find_first_of("\"<>|/") != std::string::npos)
    malformed("\"" + path + "\" holds a character no path may hold");
  return path;
}

std::vector<std::string> patternList(const std::string& text) {
  std::vector<std::string> patterns = split(text, ';');
  for (const std::string& p : patterns) {
    if (p.empty()) malformed("an empty pattern");
    if (p.find_first_of("\\/:\"<>") != std::string::npos)
      malformed("pattern \"" + p + "\" is no file name");
    if (p == "." || p == "..") malformed("pattern \"" + p + "\" is no file name");
    if (wildcards(p) > kMaxRuleWildcards)
      malformed("pattern \"" + p + "\" has more than " + std::to_string(kMaxRuleWildcards) +
                " wildcards");
  }
  return patterns;
}

RuleRegistryPath registryPath(const std::string& text, bool valueAllowed) {
  RuleRegistryPath r;
  std::string key = text;
  const std::size_t bar = text.find('|');
  if (bar != std::string::npos) {
    if (!valueAllowed) malformed("a value where only a key may stand");
    key = trim(std::string_view(text).substr(0, bar));
    r.value = trim(std::string_view(text).substr(bar + 1));
    r.hasValue = true;
    if (r.value.empty() || r.value.find('|') != std::string::npos)
      malformed("a malformed value name in \"" + text + "\"");
  }
  const std::size_t slash = key.find('\\');
  const std::string root = upper(key.substr(0, slash));
  static const std::pair<const char*, const char*> kRoots[] = {{"HKCU", "HKEY_CURRENT_USER"},
                                                               {"HKLM", "HKEY_LOCAL_MACHINE"},
                                                               {"HKU", "HKEY_USERS"},
                                                               {"HKCR", "HKEY_CLASSES_ROOT"},
                                                               {"HKCC", "HKEY_CURRENT_CONFIG"}};
  for (const auto& [brief, full] : kRoots)
    if (root == brief || root == full) r.root = brief;
  if (r.root.empty()) malformed("no registry root in \"" + text + "\"");
  if (slash == std::string::npos) malformed("no key below the root in \"" + text + "\"");
  r.key = key.substr(slash + 1);
  while (!r.key.empty() && r.key.back() == '\\') r.key.pop_back();
  if (r.key.empty() || r.key.find("\\\\") != std::string::npos || r.key[0] == '\\')
    malformed("no key below the root in \"" + text + "\"");
  return r;
}

RuleFileKey fileKey(int number, const std::string& value) {
  const std::vector<std::string> parts = split(value, '|');
  if (parts.size() < 2 || parts.size() > 3) malformed("not folder|patterns[|flag]");
  RuleFileKey k;
  k.number = number;
  k.folder = folderPath(parts[0]);
  k.patterns = patternList(parts[1]);
  if (parts.size() == 3) {
    const std::string flag = upper(parts[2]);
    if (flag == "RECURSE")
      k.recurse = true;
    else if (flag == "REMOVESELF")
      k.recurse = k.removeSelf = true;
    else
      malformed("unknown flag \"" + parts[2] + "\"");
  }
  return k;
}

RuleExclude exclude(const std::string& value) {
  const std::size_t bar = value.find('|');
  if (bar == std::string::npos) malformed("no kind before a \"|\"");
  const std::string kind = upper(trim(std::string_view(value).substr(0, bar)));
  const std::string rest = value.substr(bar + 1);
  RuleExclude e;
  if (kind == "REG") {
    e.kind = RuleExclude::Kind::Registry;
    e.registry = registryPath(trim(rest), true);
    return e;
  }
  const std::vector<std::string> parts = split(rest, '|');
  if (kind == "FILE") {
    if (parts.size() != 2) malformed("not FILE|folder|name");
    e.kind = RuleExclude::Kind::File;
    e.folder = folderPath(parts[0]);
    e.patterns = patternList(parts[1]);
    if (e.patterns.size() != 1) malformed("more than one name after FILE");
    return e;
  }
  if (kind == "PATH") {
    if (parts.empty() || parts.size() > 2) malformed("not PATH|folder[|patterns]");
    e.kind = RuleExclude::Kind::Path;
    e.folder = folderPath(parts[0]);
    if (parts.size() == 2) e.patterns = patternList(parts[1]);
    return e;
  }
  malformed("unknown kind \"" + kind + "\"");
}

RuleOsVersion osVersion(const std::string& text) {
  RuleOsVersion v;
  if (text.empty()) return v;
  const std::size_t dot = text.find('.');
  auto number = [&](std::string_view digits) {
    if (digits.empty() || digits.size() > 3) malformed("version \"" + text + "\" is no number");
    int n = 0;
    for (char c : digits) {
      if (c < '0' || c > '9') malformed("version \"" + text + "\" is no number");
      n = n * 10 + (c - '0');
    }
    return n;
  };
  v.major = number(std::string_view(text).substr(0, dot));
  if (dot != std::string::npos) v.minor = number(std::string_view(text).substr(dot + 1));
  return v;
}

// One entry being read: kept only when its section ends with nothing malformed.
struct Pending {
  CleaningRule rule;
  bool open = false;
  std::string broken;                         // the first malformed line's problem
  std::vector<std::pair<int, int>> numbered;  // key kind and number, given once each
};

class Reader {
 public:
  RuleFile read(std::string_view text) {
    int number = 0;
    std::size_t i = 0;
    while (i < text.size()) {
      std::size_t end = i;
      while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
      line(++number, trimmed(text.substr(i, end - i)));
      if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
        ++end;
      i = end + 1;
    }
    close();
    return std::move(out_);
  }

 private:
  void problem(int n, const std::string& text) {
    out_.problems.push_back("line " + std::to_string(n) + ": " + text);
  }

  void close() {
    if (!p_.open) return;
    const std::string& name = p_.rule.name;
    if (!p_.broken.empty()) {
      problem(p_.rule.line, "entry [" + name + "] skipped: " + p_.broken);
    } else if (p_.rule.fileKeys.empty() && p_.rule.regKeys.empty()) {
      problem(p_.rule.line, "entry [" + name + "] skipped: it names nothing to remove");
    } else if (!names_.insert(upper(name)).second) {
      problem(p_.rule.line, "entry [" + name + "] skipped: a second entry of that name");
    } else {
      out_.rules.push_back(std::move(p_.rule));
    }
    p_ = Pending{};
  }

  void line(int n, std::string_view text) {
    if (text.empty() || text[0] == ';') return;
    if (text[0] == '[') {
      close();
      p_.open = true;
      p_.rule.line = n;
      std::string name = text.back() == ']' ? trim(text.substr(1, text.size() - 2)) : "";
      if (name.size() >= 2 && name.compare(name.size() - 2, 2, " *") == 0)
        name = trim(name.substr(0, name.size() - 2));
      p_.rule.name = name.empty() ? std::string(text) : name;
      if (name.empty() || name.find_first_of("[]") != std::string::npos)
        p_.broken = "line " + std::to_string(n) + ": a malformed section name";
      return;
    }
    if (!p_.open) {
      problem(n, "a line outside any entry skipped");
      return;
    }
    if (!p_.broken.empty()) return;
    try {
      keyLine(n, text);
    } catch (const Malformed& m) {
      p_.broken = "line " + std::to_string(n) + ": " + m.why;
    }
  }

  void keyLine(int n, std::string_view text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string::npos) malformed("no \"=\"");
    const std::string key = trim(text.substr(0, eq));
    const std::string value = trim(text.substr(eq + 1));
    // Compared in place: the reader meets some 30,000 keys in the community file.
    std::size_t digits = key.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(key[digits - 1]))) --digits;
    const std::string_view base = std::string_view(key).substr(0, digits);
    const std::string_view suffix = std::string_view(key).substr(digits);
    if (suffix.size() > 6 || (!suffix.empty() && suffix[0] == '0'))
      malformed("key \"" + key + "\" has no number from 1 on");
    int number = 0;
    for (char c : suffix) number = number * 10 + (c - '0');
    auto is = [&](const char* name) { return platform::equalsIgnoreCase(base, name); };
    CleaningRule& r = p_.rule;
    auto needValue = [&] {
      if (value.empty()) malformed("key \"" + key + "\" has no value");
    };
    auto numbered = [&](int kind) {
      if (number == 0) malformed("key \"" + key + "\" has no number");
      for (const auto& given : p_.numbered)
        if (given.first == kind && given.second == number)
          malformed("key \"" + key + "\" given twice");
      p_.numbered.emplace_back(kind, number);
      needValue();
    };
    if (is("FILEKEY")) {
      numbered(0);
      r.fileKeys.push_back(fileKey(number, value));
    } else if (is("REGKEY")) {
      numbered(1);
      r.regKeys.push_back(registryPath(value, true));
    } else if (is("EXCLUDEKEY")) {
      numbered(2);
      r.excludes.push_back(exclude(value));
    } else if (is("DETECT")) {
      needValue();
      r.detect.push_back(registryPath(value, false));
    } else if (is("DETECTFILE")) {
      needValue();
      r.detectFile.push_back(folderPath(value, true));
    } else if (is("DETECTOS") && suffix.empty()) {
      const std::vector<std::string> parts = split(value, '|');
      if (parts.size() != 2) malformed("DetectOS is not min|max");
      r.hasOsRange = true;
      r.osMin = osVersion(parts[0]);
      r.osMax = osVersion(parts[1]);
    } else if ((is("LANGSECREF") || is("SECTION")) && suffix.empty()) {
      r.section = value;
    } else if (is("WARNING") && suffix.empty()) {
      needValue();
      r.hasWarning = true;
      r.warning = value;
    } else {
      problem(n, "unknown key \"" + key + "\" skipped");
    }
  }

  RuleFile out_;
  Pending p_;
  std::unordered_set<std::string> names_;
};

}  // namespace

RuleFile readCleaningRules(std::string_view text) {
  return Reader().read(text);
}

int ruleFolderId(std::string_view name) {
  for (const FolderName& f : kFolderNames)
    if (platform::equalsIgnoreCase(name, f.name)) return f.id;
  return rulefolder::kUnknown;
}

}  // namespace vorn
