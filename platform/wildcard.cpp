#include "platform/wildcard.h"

#include <cctype>

namespace platform {
namespace {

char fold(char c) {
  return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool globMatch(std::string_view p, std::string_view n) {
  std::size_t pi = 0, ni = 0, starP = std::string_view::npos, starN = 0;
  while (ni < n.size()) {
    if (pi < p.size() && (p[pi] == '?' || fold(p[pi]) == fold(n[ni]))) {
      ++pi;
      ++ni;
    } else if (pi < p.size() && p[pi] == '*') {
      starP = pi++;
      starN = ni;
    } else if (starP != std::string_view::npos) {
      pi = starP + 1;
      ni = ++starN;
    } else {
      return false;
    }
  }
  // Trailing stars match nothing; a trailing `?` may match nothing too.
  while (pi < p.size() && (p[pi] == '*' || p[pi] == '?')) ++pi;
  return pi == p.size();
}

}  // namespace

std::string shortNameOf(std::string_view name) {
  if (name == "." || name == "..") return {};
  std::size_t dot = name.rfind('.');
  std::string_view base = dot == std::string_view::npos ? name : name.substr(0, dot);
  std::string_view ext = dot == std::string_view::npos ? std::string_view() : name.substr(dot + 1);
  auto valid = [](std::string_view part) {
    for (char c : part)
      if (c == ' ' || c == '.' || c == '+' || c == ',' || c == ';' || c == '=' || c == '[' ||
          c == ']')
        return false;
    return true;
  };
  if (!base.empty() && base.size() <= 8 && ext.size() <= 3 && valid(base) && valid(ext)) return {};
  std::string shortName;
  for (char c : base) {
    if (shortName.size() == 6) break;
    if (c != ' ' && c != '.')
      shortName += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  shortName += "~1";
  if (!ext.empty()) {
    shortName += '.';
    for (char c : ext.substr(0, 3))
      shortName += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  }
  return shortName;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (fold(a[i]) != fold(b[i])) return false;
  return true;
}

bool hasWildcard(std::string_view text) {
  return text.find_first_of("*?") != std::string_view::npos;
}

bool wildcardMatch(std::string_view pattern, std::string_view name) {
  if (pattern == "*" || pattern == "*.*") return true;
  const bool nameHasDot = name.find('.') != std::string_view::npos;
  if (pattern.size() >= 2 && pattern.substr(pattern.size() - 2) == ".*" && !nameHasDot &&
      globMatch(pattern.substr(0, pattern.size() - 2), name))
    return true;
  if (pattern.size() >= 2 && pattern.back() == '.' && pattern[pattern.size() - 2] == '*')
    return !nameHasDot && globMatch(pattern.substr(0, pattern.size() - 1), name);
  return globMatch(pattern, name);
}

}  // namespace platform
