#include "common/conversions.h"

#include <cctype>
#include <cmath>

#include "common/run_error.h"
#include "platform/wildcard.h"

namespace common {
namespace {

std::string_view trimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

double roundHalfEven(double v) {
  double r = std::nearbyint(v);  // the default rounding mode is to nearest, ties to even
  return r;
}

}  // namespace

double toDouble(std::string_view text) {
  std::string_view s = trimBlanks(text);
  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  double value = 0;
  bool digits = false;
  while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
    value = value * 10 + (s[i++] - '0');
    digits = true;
  }
  if (i < s.size() && s[i] == '.') {
    ++i;
    double scale = 0.1;
    while (i < s.size() && std::isdigit(static_cast<unsigned char>(s[i]))) {
      value += (s[i++] - '0') * scale;
      scale /= 10;
      digits = true;
    }
  }
  if (!digits || i != s.size()) raise(errnum::kTypeMismatch);
  return negative ? -value : value;
}

std::int16_t toInteger(std::string_view text) {
  double v = roundHalfEven(toDouble(text));
  if (v < -32768 || v > 32767) raise(errnum::kOverflow);
  return static_cast<std::int16_t>(v);
}

std::int32_t toLong(std::string_view text) {
  double v = roundHalfEven(toDouble(text));
  if (v < -2147483648.0 || v > 2147483647.0) raise(errnum::kOverflow);
  return static_cast<std::int32_t>(v);
}

bool toFlag(std::string_view text) {
  std::string_view s = trimBlanks(text);
  if (platform::equalsIgnoreCase(s, "True")) return true;
  if (platform::equalsIgnoreCase(s, "False")) return false;
  return toDouble(s) != 0;
}

bool readDigits(std::string_view text, std::uint64_t& value) {
  if (text.empty() || text.size() > 19) return false;
  std::uint64_t number = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    number = number * 10 + static_cast<std::uint64_t>(c - '0');
  }
  value = number;
  return true;
}

std::string countText(std::uint64_t count) {
  std::string digits = std::to_string(count);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3)
    digits.insert(static_cast<std::size_t>(i), ",");
  return digits;
}

}  // namespace common
