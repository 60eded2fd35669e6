#pragma once
// The INI file format as plain text transformations, with the lookup rules the three
// programs share: section and key names match ignoring letter case and surrounding
// blanks, the first matching section and the first matching key in it win, a value is
// the text after the first "=" without surrounding blanks and without one pair of
// enclosing double quotes.
#include <optional>
#include <string>
#include <string_view>

namespace common {

// The value of `key` in `section`, or none when the section or key is missing.
std::optional<std::string> iniLookup(std::string_view text, std::string_view section,
                                     std::string_view key);

// The text with `key` in `section` set to `value`: an existing key is replaced in place
// (keeping its spelling), a new key goes after the section's last entry, a new section
// at the end of the text. Line ends follow the text's own (CR LF for a new text).
std::string iniAssign(std::string_view text, std::string_view section, std::string_view key,
                      std::string_view value);

}  // namespace common
