#pragma once
// A clock that tests set and step by hand. Its general date format is day/month/year
// with a 24-hour long time ("12/04/2001 10:15:00"), a common locale's.
#include "platform/clock.h"

namespace platform::fake {

class FakeClock : public Clock {
 public:
  LocalTime now() override { return now_; }
  std::string generalDate(const LocalTime& time) override;
  LocalTime toLocal(FileTime time) override;

  void set(const LocalTime& time) { now_ = time; }
  void advanceSeconds(long long seconds);
  // The current local time as file-time ticks (local and UTC are the same here).
  FileTime nowTicks() const;

 private:
  LocalTime now_{2001, 4, 12, 10, 15, 0, 0};
};

}  // namespace platform::fake
