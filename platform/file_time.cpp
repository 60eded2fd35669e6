#include "platform/file_time.h"

namespace platform {
namespace {

// Days from 1 January 1601 for a proleptic Gregorian date (Hinnant's civil algorithm).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long long daysFrom1970 = era * 146097 + static_cast<long long>(doe) - 719468;
  return daysFrom1970 + 134774;  // 1601-01-01 .. 1970-01-01
}

}  // namespace

FileTime fileTimeFromCalendar(const LocalTime& t) {
  long long days =
      daysFromCivil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day));
  long long seconds = days * 86400LL + t.hour * 3600LL + t.minute * 60LL + t.second;
  return static_cast<FileTime>(seconds) * kTicksPerSecond +
         static_cast<FileTime>(t.millisecond) * 10'000;
}

LocalTime calendarFromFileTime(FileTime ticks) {
  long long seconds = static_cast<long long>(ticks / kTicksPerSecond);
  LocalTime t;
  t.millisecond = static_cast<int>((ticks % kTicksPerSecond) / 10'000);
  long long z = seconds / 86400 - 134774 + 719468;
  long long sod = seconds % 86400;
  t.hour = static_cast<int>(sod / 3600);
  t.minute = static_cast<int>(sod % 3600 / 60);
  t.second = static_cast<int>(sod % 60);
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const long long y = static_cast<long long>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  t.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  t.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  t.year = static_cast<int>(y + (t.month <= 2));
  return t;
}

}  // namespace platform
