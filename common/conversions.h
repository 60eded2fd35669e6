#pragma once
// Text-to-number conversions with the classic runtime's rules: leading and trailing
// blanks are allowed, a fraction rounds half to even, a text that is no number raises
// 13 (Type mismatch) and one out of range raises 6 (Overflow).
#include <cstdint>
#include <string>
#include <string_view>

namespace common {

double toDouble(std::string_view text);
std::int16_t toInteger(std::string_view text);  // 16-bit, like CInt
std::int32_t toLong(std::string_view text);     // 32-bit, like CLng
// False for a number equal to 0, true for any other number; "True" and "False" name
// themselves, in any letter case.
bool toFlag(std::string_view text);

// And back: "1,204", digits grouped by threes, as the report and the chart show counts.
std::string countText(std::uint64_t count);
// A text of 1 to 19 decimal digits and nothing else, as a number; false otherwise. Read by
// hand, which keeps the runtime's strtoull and the character-class calls it imports out of
// the programs' import tables.
bool readDigits(std::string_view text, std::uint64_t& value);

}  // namespace common
