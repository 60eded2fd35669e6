#pragma once
// The user's regional settings that the windows show numbers and dates with.
#include <string>

#include "platform/win_types.h"

namespace platform {

class Locale {
 public:
  virtual ~Locale() = default;
  // The thousands separator of the user's locale (LOCALE_STHOUSAND), "," on most systems;
  // may be empty or longer than one character.
  virtual std::string thousandsSeparator() = 0;
  // A calendar date in the user's short date format (GetDateFormatA, DATE_SHORTDATE); the
  // time of day is ignored. Empty when the system cannot write the date.
  virtual std::string shortDate(const LocalTime& date) = 0;
};

}  // namespace platform
