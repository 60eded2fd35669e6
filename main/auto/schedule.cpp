#include "main/auto/schedule.h"

#include <charconv>

#include "platform/file_time.h"

namespace vorn {
namespace {

int numberOrZero(const std::string& text) {
  int value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  return error == std::errc() && end == text.data() + text.size() && value > 0 ? value : 0;
}

std::int64_t secondsOf(const platform::LocalTime& t) {
  return static_cast<std::int64_t>(platform::fileTimeFromCalendar(t) / platform::kTicksPerSecond);
}

platform::LocalTime fromSeconds(std::int64_t seconds) {
  return platform::calendarFromFileTime(static_cast<platform::FileTime>(seconds) *
                                        platform::kTicksPerSecond);
}

std::int64_t minuteOf(const platform::LocalTime& t) {
  return secondsOf(t) / 60;
}

}  // namespace

Interval intervalFromLists(const std::string& days, const std::string& hours,
                           const std::string& minutes) {
  return {numberOrZero(days), numberOrZero(hours), numberOrZero(minutes)};
}

platform::LocalTime addInterval(const platform::LocalTime& time, const Interval& interval) {
  return fromSeconds(secondsOf(time) + interval.seconds());
}

bool isDue(const platform::LocalTime& now, const platform::LocalTime& next) {
  return minuteOf(now) >= minuteOf(next);
}

platform::LocalTime advancePast(const platform::LocalTime& previous, const Interval& interval,
                                const platform::LocalTime& now) {
  const std::int64_t step = interval.seconds();
  const std::int64_t from = secondsOf(previous);
  const std::int64_t current = secondsOf(now);
  std::int64_t steps = 1;
  // Computed, not looped: a clock set years ahead would otherwise take millions of steps.
  if (step > 0 && from + step <= current) steps = (current - from) / step + 1;
  return fromSeconds(from + steps * step);
}

}  // namespace vorn
