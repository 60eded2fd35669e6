#pragma once
// Automatic cleaning: the start/stop button of the maintenance page's "Settings" frame,
// the once-a-minute tick that runs the chosen cleaning on time, the window's trip into
// the notification area and back, the tray menu, and the auto-start entry.
#include <functional>
#include <string>

#include "common/settings.h"
#include "main/auto/automatic_state.h"
#include "main/auto/schedule.h"
#include "main/auto/tray_menu.h"
#include "main/clean/run_frame.h"
#include "main/platform/registry_access.h"
#include "platform/clock.h"
#include "platform/process_info.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/prompter.h"
#include "ui/screen.h"
#include "ui/timer.h"
#include "ui/tray.h"

namespace vorn {

inline constexpr const char* kStartAutomaticCleaning = "Start Automatic Cleaning";
inline constexpr const char* kStopAutomaticCleaning = "Stop Automatic Cleaning";
inline constexpr const char* kZeroIntervalMessage =
    "You have to specify a valid time interval in Maintenance/Settings; 0 days, 0 hours and 0 "
    "minutes is not allowed";
inline constexpr const char* kTrayTip = "Tervane";
inline constexpr const char* kRunKey =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunSubKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kAutoStartValue = "Cleaner";
inline constexpr int kTickMs = 60000;

// The controls of the "Settings" frame that automatic cleaning reads and sets.
struct AutomaticControls {
  ui::ComboBox& area;  // "Clean": "All", "IE", "Netscape", "Opera", "User.def", "Plugins"
  ui::ComboBox& days;
  ui::ComboBox& hours;
  ui::ComboBox& minutes;
  ui::CheckBox& autoStart;           // "Auto-Start on Windows Startup"
  ui::CheckBox& closeAfterCleaning;  // "Close application after cleaning"
  ui::Button& startStop;             // "Start/Stop Automatic Cleaning"
  ui::Timer& timer;                  // the once-a-minute tick
};

// The cleaning runs a tick can start: the very commands behind "Clean All" and the area
// buttons, each with its whole frame. An empty one (an engine not built) runs nothing.
struct CleaningCommands {
  std::function<void()> all, ie, netscape, opera, userDefined, plugins;
};

struct AutomaticServices {
  platform::Clock& clock;
  platform::ProcessInfo& process;
  RegistryAccess& registry;
  common::Settings& settings;
  std::string iniPath;  // mainten.ini
  ui::Prompter& prompter;
  ui::Screen& screen;
  ui::Tray& tray;
  RunState& run;  // the run frame's state: its done message is off while automatic
};

class AutomaticCleaning : public AutomaticCleaningState {
 public:
  // Off: the window shown, no icon. InTray: window hidden, icon there, procedure hooked.
  // Restored: automatic cleaning still on with the window back.
  enum class Mode { Off, InTray, Restored };

  AutomaticCleaning(AutomaticControls controls, AutomaticServices services,
                    CleaningCommands commands);
  AutomaticCleaning(const AutomaticCleaning&) = delete;

  // A cleaning run is going on; a tick then waits for the next minute. Empty: never.
  std::function<bool()> busy;
  // Closes the main window through its unload handler, which saves the settings.
  std::function<void()> closeMainWindow;

  void startStopClicked();
  void timerTick();
  void autoStartClicked();
  void hideToTray();
  void restoreWindow();  // "Restore Window"
  void closeFromTray();  // "Close"

  bool automaticCleaningOn() const override { return mode_ != Mode::Off; }
  Mode mode() const { return mode_; }
  // Meaningful only while automatic cleaning is on.
  const platform::LocalTime& nextCleanTime() const { return next_; }
  TrayMenu& trayMenu() { return menu_; }

  // What the auto-start entry holds: the running program's file, quoted when it holds
  // blanks, since the system splits an unquoted command line at the first blank.
  static std::string autoStartCommand(const std::string& programFile);

 private:
  void switchOn();
  void switchOff();
  void trayMouse(ui::TrayMouse event);
  void leaveTray(bool animated);
  Interval currentInterval();
  void runChosenCleaning();

  AutomaticControls c_;
  AutomaticServices s_;
  CleaningCommands commands_;
  TrayMenu menu_;
  Mode mode_ = Mode::Off;
  platform::LocalTime next_;
  Interval lastInterval_;  // the interval of the last start or tick that had one
  bool ticking_ = false;
};

}  // namespace vorn
