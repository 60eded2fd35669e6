#pragma once
// The local clock and the system's way of writing dates.
#include <string>

#include "platform/win_types.h"

namespace platform {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual LocalTime now() = 0;
  // The system's general date format: the short date, a blank, the long time, in the
  // user's locale.
  virtual std::string generalDate(const LocalTime& time) = 0;
  // A file time (UTC) on the local clock.
  virtual LocalTime toLocal(FileTime time) = 0;
};

}  // namespace platform
