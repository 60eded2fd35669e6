#include "main/clean/plugin_definition.h"

#include "common/full_path.h"

namespace vorn {
namespace {

bool isBlank(char c) {
  return c == ' ' || c == '\t';
}
bool isLineEnd(char c) {
  return c == '\r' || c == '\n';
}

bool startsWith(const std::string& text, const char* prefix) {
  return text.rfind(prefix, 0) == 0;
}

PluginEntry invalid(std::string problem) {
  PluginEntry e;
  e.problem = std::move(problem);
  return e;
}

}  // namespace

std::vector<std::string> readDefinitionEntries(const std::string& text) {
  std::vector<std::string> entries;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    while (i < n && isBlank(text[i])) ++i;
    std::string entry;
    if (i < n && text[i] == '"') {
      const std::size_t close = text.find('"', i + 1);
      const std::size_t end = close == std::string::npos ? n : close;
      entry = text.substr(i + 1, end - i - 1);
      i = end == n ? n : end + 1;
      // Whatever stands between the closing quote and the end of the entry is dropped.
      while (i < n && text[i] != ',' && !isLineEnd(text[i])) ++i;
    } else {
      const std::size_t start = i;
      while (i < n && text[i] != ',' && !isLineEnd(text[i])) ++i;
      std::size_t end = i;
      while (end > start && isBlank(text[end - 1])) --end;
      entry = text.substr(start, end - start);
    }
    // One separator ends the entry: a comma, or a line end with CR LF counting once.
    if (i < n) {
      if (text[i] == '\r' && i + 1 < n && text[i + 1] == '\n')
        i += 2;
      else
        ++i;
    }
    if (!entry.empty()) entries.push_back(std::move(entry));
  }
  return entries;
}

PluginEntry classifyEntry(const std::string& entry) {
  for (char c : entry) {
    // A control character (NUL above all) would make the system see another name than
    // the one checked here; no file name holds one.
    if (static_cast<unsigned char>(c) < 0x20) return invalid("Entry holds a control character");
  }
  if (startsWith(entry, "HKEY")) {
    if (!startsWith(entry, kPluginRegistryRoot))
      return invalid("Only HKEY_CURRENT_USER entries are carried out: " + entry);
    const std::string rest = entry.substr(std::char_traits<char>::length(kPluginRegistryRoot));
    PluginEntry e;
    if (const std::size_t plus = rest.find('+'); plus != std::string::npos) {
      e.kind = PluginEntry::Kind::RegistryValue;
      e.path = rest.substr(0, plus);
      e.name = rest.substr(plus + 1);
      return e;
    }
    const std::size_t minus = rest.find('-');
    if (minus == std::string::npos) return invalid("Registry entry without + or -: " + entry);
    e.kind = PluginEntry::Kind::RegistryKey;
    e.path = rest.substr(0, minus);
    if (e.path.empty()) return invalid("Registry key entry names no key: " + entry);
    return e;
  }
  if (startsWith(entry, "/*")) {
    PluginEntry e;
    e.kind = PluginEntry::Kind::Comment;
    return e;
  }
  const common::PathProblem problem = common::fullPathProblem(entry);
  if (problem == common::PathProblem::NotFullPath)
    return invalid("File entry is no full path: " + entry);
  if (problem != common::PathProblem::None)
    return invalid("File entry is " + common::pathProblemText(problem) + ": " +
                   common::printableEntry(entry));
  PluginEntry e;
  e.kind = PluginEntry::Kind::File;
  e.path = entry;
  return e;
}

}  // namespace vorn
