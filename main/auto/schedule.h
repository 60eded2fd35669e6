#pragma once
// The arithmetic of automatic cleaning: the interval the lists show, the next cleaning
// time, and when a tick is due. Times are whole calendar moments on the local clock.
#include <cstdint>
#include <string>

#include "platform/win_types.h"

namespace vorn {

struct Interval {
  int days = 0, hours = 0, minutes = 0;
  bool zero() const { return seconds() == 0; }
  std::int64_t seconds() const { return ((days * 24LL + hours) * 60 + minutes) * 60; }
};

// The interval the "Day", "Hour" and "Minute" lists show. A list that shows no number
// (nothing chosen) counts as 0, so that such lists are refused as a zero interval.
Interval intervalFromLists(const std::string& days, const std::string& hours,
                           const std::string& minutes);

// The moment `interval` after `time`: days, then hours, then minutes, across month and
// year ends. Milliseconds are dropped; schedules keep whole seconds.
platform::LocalTime addInterval(const platform::LocalTime& time, const Interval& interval);

// Whether `now` has reached `next` to the minute: the whole date and the time, seconds
// ignored, so a tick anywhere in the scheduled minute or later runs it.
bool isDue(const platform::LocalTime& now, const platform::LocalTime& next);

// `previous` advanced by the fewest whole intervals (at least one) that put it after
// `now`: a machine that slept through several slots cleans once, and the schedule keeps
// its phase. A zero interval advances nothing.
platform::LocalTime advancePast(const platform::LocalTime& previous, const Interval& interval,
                                const platform::LocalTime& now);

}  // namespace vorn
