#pragma once
#include <string>
#include <string_view>

namespace platform {

// Matches a file name against a Windows wildcard pattern, ignoring case: `*` is any run
// of characters, `?` one character (or none at the end of the name), "*.*" and "*"
// match every name, a pattern ending in ".*" also matches the name without a dot, and
// "*." matches names that have no dot.
bool wildcardMatch(std::string_view pattern, std::string_view name);

// The 8.3 short name the system makes up for a long name ("abc.datx" is "ABC~1.DAT"),
// or an empty text when the name is already a valid short name. Listings match
// patterns against both names, so "*.dat" also finds "abc.datx", as on Windows.
std::string shortNameOf(std::string_view name);

bool equalsIgnoreCase(std::string_view a, std::string_view b);
bool hasWildcard(std::string_view text);

}  // namespace platform
