#include "platform/win32/win32_error.h"

#include <windows.h>

namespace platform::win32 {

ErrorCode lastError() {
  DWORD e = GetLastError();
  // A failure must never read as success, whatever the call left behind.
  return e == ERROR_SUCCESS ? static_cast<ErrorCode>(ERROR_GEN_FAILURE) : e;
}

}  // namespace platform::win32
