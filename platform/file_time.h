#pragma once
// Calendar arithmetic on FILETIME ticks, shared by the fakes and the logic.
#include "platform/win_types.h"

namespace platform {

inline constexpr FileTime kTicksPerSecond = 10'000'000;

// Ticks of a calendar moment taken as UTC (no time-zone shift).
FileTime fileTimeFromCalendar(const LocalTime& time);
// The calendar moment of a tick count, taken as UTC.
LocalTime calendarFromFileTime(FileTime ticks);

}  // namespace platform
