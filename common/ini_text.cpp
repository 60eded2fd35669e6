#include "common/ini_text.h"

#include <vector>

#include "platform/wildcard.h"

namespace common {
namespace {

std::string_view trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
    s.remove_suffix(1);
  return s;
}

struct Line {
  std::size_t begin;  // offset of the first character
  std::size_t end;    // offset just past the line's text, before CR LF or LF
  std::size_t next;   // offset of the next line
};

std::vector<Line> splitLines(std::string_view text) {
  std::vector<Line> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t nl = text.find('\n', pos);
    std::size_t next = nl == std::string_view::npos ? text.size() : nl + 1;
    std::size_t end = nl == std::string_view::npos ? text.size() : nl;
    if (end > pos && text[end - 1] == '\r') --end;
    lines.push_back({pos, end, next});
    pos = next;
  }
  return lines;
}

// The section name of a "[name]" line, or none for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
  std::string_view t = trim(line);
  if (t.empty() || t.front() != '[') return std::nullopt;
  std::size_t close = t.find(']');
  std::string_view inner = close == std::string_view::npos ? t.substr(1) : t.substr(1, close - 1);
  return trim(inner);
}

std::string_view keyOf(std::string_view line) {
  std::size_t eq = line.find('=');
  return trim(eq == std::string_view::npos ? line : line.substr(0, eq));
}

bool sameName(std::string_view a, std::string_view b) {
  return platform::equalsIgnoreCase(trim(a), trim(b));
}

struct Found {
  bool section = false;
  std::size_t sectionLine = 0;
  std::size_t lastEntryLine = 0;  // last non-blank line of the section
  std::optional<std::size_t> keyLine;
};

Found locate(const std::vector<Line>& lines, std::string_view text, std::string_view section,
             std::string_view key) {
  Found f;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string_view line = text.substr(lines[i].begin, lines[i].end - lines[i].begin);
    auto name = sectionName(line);
    if (name) {
      if (f.section) break;  // the first matching section ends here
      if (sameName(*name, section)) {
        f.section = true;
        f.sectionLine = f.lastEntryLine = i;
      }
      continue;
    }
    if (!f.section) continue;
    if (!trim(line).empty()) f.lastEntryLine = i;
    if (!f.keyLine && line.find('=') != std::string_view::npos && sameName(keyOf(line), key))
      f.keyLine = i;
  }
  return f;
}

}  // namespace

std::optional<std::string> iniLookup(std::string_view text, std::string_view section,
                                     std::string_view key) {
  std::vector<Line> lines = splitLines(text);
  Found f = locate(lines, text, section, key);
  if (!f.keyLine) return std::nullopt;
  const Line& l = lines[*f.keyLine];
  std::string_view line = text.substr(l.begin, l.end - l.begin);
  std::string_view value = trim(line.substr(line.find('=') + 1));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
    value = value.substr(1, value.size() - 2);
  return std::string(value);
}

std::string iniAssign(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value) {
  std::vector<Line> lines = splitLines(text);
  const bool crlf = text.empty() || text.find("\r\n") != std::string_view::npos ||
                    text.find('\n') == std::string_view::npos;
  const std::string eol = crlf ? "\r\n" : "\n";
  Found f = locate(lines, text, section, key);
  std::string out;
  if (f.keyLine) {
    const Line& l = lines[*f.keyLine];
    std::string_view line = text.substr(l.begin, l.end - l.begin);
    out.append(text.substr(0, l.begin));
    out.append(keyOf(line)).append("=").append(value);
    out.append(text.substr(l.end));
    return out;
  }
  const std::string entry = std::string(trim(key)) + "=" + std::string(value);
  if (f.section) {
    const Line& l = lines[f.lastEntryLine];
    out.append(text.substr(0, l.next));
    if (l.next == l.end) out.append(eol);  // the entry was the last line, without a line end
    out.append(entry).append(eol);
    out.append(text.substr(l.next));
    return out;
  }
  out.assign(text);
  if (!out.empty() && out.back() != '\n') out.append(eol);
  out.append("[").append(trim(section)).append("]").append(eol);
  out.append(entry).append(eol);
  return out;
}

}  // namespace common
