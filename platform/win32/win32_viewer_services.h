#pragma once
// The Win32 regional settings, shell file descriptions and shell "open".
#include <memory>

#include "platform/locale.h"
#include "platform/shell_file_info.h"
#include "platform/shell_open.h"

namespace platform::win32 {

std::unique_ptr<Locale> makeLocale();
std::unique_ptr<ShellFileInfo> makeShellFileInfo();
std::unique_ptr<ShellOpen> makeShellOpen();

}  // namespace platform::win32
