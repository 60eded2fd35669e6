#pragma once
#include "platform/win_types.h"

namespace platform::win32 {

// The calling thread's last Win32 error, never kSuccess after a failed call.
ErrorCode lastError();

}  // namespace platform::win32
