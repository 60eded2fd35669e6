#include "platform/fake/fake_clock.h"

#include <cstdio>

#include "platform/file_time.h"

namespace platform::fake {

std::string FakeClock::generalDate(const LocalTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.day, t.month, t.year, t.hour,
                t.minute, t.second);
  return text;
}

LocalTime FakeClock::toLocal(FileTime time) {
  return calendarFromFileTime(time);
}

void FakeClock::advanceSeconds(long long seconds) {
  now_ = calendarFromFileTime(fileTimeFromCalendar(now_) +
                              static_cast<FileTime>(seconds) * kTicksPerSecond);
}

FileTime FakeClock::nowTicks() const {
  return fileTimeFromCalendar(now_);
}

}  // namespace platform::fake
