#pragma once
// The Internet Properties control-panel applet, started as its own process.
#include <cstdint>

#include "platform/win_types.h"

namespace platform {

inline constexpr const char* kInternetPropertiesCommand =
    "rundll32.exe shell32.dll,Control_RunDLL inetcpl.cpl,,0";

class InternetProperties {
 public:
  virtual ~InternetProperties() = default;
  // Starts kInternetPropertiesCommand with the hidden window style, without waiting, and
  // gives the new process's id.
  virtual ErrorCode start(std::uint32_t& processId) = 0;
};

}  // namespace platform
