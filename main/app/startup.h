#pragma once
// The cleaner's start-up procedure: banner, the first-start step, splash, main window.
#include <string>

#include "main/app/app_services.h"
#include "main/app/main_window.h"
#include "main/app/splash_window.h"

namespace vorn {

inline constexpr const char* kApplicationName = "vorn66";
inline constexpr const char* kShowTipsSetting = "Show Tips at Startup";

// Runs everything up to the shown main window; the caller then runs the message loop.
// A program folder that cannot be used is said in a message, and no window opens.
void Main(AppServices& services, MainWindow& mainWindow, SplashWindow& splash,
          const std::string& applicationName = kApplicationName);

}  // namespace vorn
