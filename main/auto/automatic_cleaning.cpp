#include "main/auto/automatic_cleaning.h"

#include "common/conversions.h"
#include "common/run_error.h"

namespace vorn {

AutomaticCleaning::AutomaticCleaning(AutomaticControls controls, AutomaticServices services,
                                     CleaningCommands commands)
    : c_(controls), s_(std::move(services)), commands_(std::move(commands)) {
  s_.tray.onMouse = [this](ui::TrayMouse event) { trayMouse(event); };
  menu_.onClose = [this] { closeFromTray(); };
  menu_.onRestore = [this] { restoreWindow(); };
}

Interval AutomaticCleaning::currentInterval() {
  return intervalFromLists(c_.days.text(), c_.hours.text(), c_.minutes.text());
}

void AutomaticCleaning::startStopClicked() {
  if (mode_ == Mode::Off) {
    // Only the sum counts: lists showing nothing would otherwise start a schedule that
    // is due at every tick.
    if (currentInterval().zero()) {
      s_.prompter.messageBox(kZeroIntervalMessage, "Info", ui::mb::kOk | ui::mb::kIconError);
      return;
    }
    switchOn();
  } else {
    switchOff();
  }
}

void AutomaticCleaning::switchOn() {
  // No done message waits for the user after an unattended run, and the first run must
  // not end the program.
  s_.run.showDoneMessage = false;
  c_.closeAfterCleaning.setValue(ui::CheckBox::kUnchecked);
  lastInterval_ = currentInterval();
  next_ = addInterval(s_.clock.now(), lastInterval_);
  c_.timer.setInterval(kTickMs);
  c_.timer.setEnabled(true);
  hideToTray();
  c_.startStop.setCaption(kStopAutomaticCleaning);
}

void AutomaticCleaning::switchOff() {
  // The caption flips back even if the stored value is unreadable: a box left unticked
  // is the safe reading, since a ticked one ends the program after a run.
  int stored = ui::CheckBox::kUnchecked;
  try {
    stored = common::toInteger(s_.settings.getini("Inst", "AutomaticClose", s_.iniPath));
  } catch (const common::RunError&) {
  }
  if (stored < ui::CheckBox::kUnchecked || stored > ui::CheckBox::kGrayed)
    stored = ui::CheckBox::kUnchecked;
  if (mode_ == Mode::InTray) leaveTray(false);
  mode_ = Mode::Off;
  c_.closeAfterCleaning.setValue(stored);
  s_.run.showDoneMessage = true;
  c_.startStop.setCaption(kStartAutomaticCleaning);
  c_.timer.setInterval(0);
  c_.timer.setEnabled(false);
}

void AutomaticCleaning::hideToTray() {
  s_.tray.hookWindow();
  if (!s_.tray.addIcon(kTrayTip)) {
    // With no icon to click, a hidden window could never come back: it stays shown,
    // and automatic cleaning runs with the window open.
    s_.tray.unhookWindow();
    mode_ = Mode::Restored;
    return;
  }
  mode_ = Mode::InTray;
  s_.tray.animate(ui::TrayFlight::ToTray);
  s_.tray.showWindow(false);
}

void AutomaticCleaning::leaveTray(bool animated) {
  s_.tray.unhookWindow();
  s_.tray.removeIcon();
  mode_ = Mode::Restored;
  if (animated) {
    s_.tray.animate(ui::TrayFlight::FromTray);
    s_.screen.doEvents();
  }
  s_.tray.showWindow(true);
  if (animated) s_.screen.doEvents();
}

void AutomaticCleaning::trayMouse(ui::TrayMouse event) {
  if (mode_ != Mode::InTray) return;
  if (event == ui::TrayMouse::LeftDoubleClick)
    leaveTray(true);
  else
    menu_.choose(s_.tray.popupMenu(menu_.items()));
}

void AutomaticCleaning::restoreWindow() {
  if (mode_ == Mode::InTray) leaveTray(false);
}

void AutomaticCleaning::closeFromTray() {
  s_.tray.removeIcon();
  // The window's own procedure goes back before the window goes away.
  s_.tray.unhookWindow();
  if (closeMainWindow) closeMainWindow();
}

void AutomaticCleaning::runChosenCleaning() {
  const std::string& area = c_.area.text();
  const std::function<void()>* command = area == "All"        ? &commands_.all
                                         : area == "IE"       ? &commands_.ie
                                         : area == "Netscape" ? &commands_.netscape
                                         : area == "Opera"    ? &commands_.opera
                                         : area == "User.def" ? &commands_.userDefined
                                         : area == "Plugins"  ? &commands_.plugins
                                                              : nullptr;
  if (command && *command) (*command)();
}

void AutomaticCleaning::timerTick() {
  // A tick that arrives while a run lets messages through waits: the schedule stays
  // due, so the next tick after the run takes it.
  if (mode_ == Mode::Off || ticking_ || (busy && busy())) return;
  if (!isDue(s_.clock.now(), next_)) return;

  ticking_ = true;
  auto advance = [this] {
    ticking_ = false;
    // The lists are read anew; lists changed to a zero interval keep the last real one,
    // which would otherwise run a cleaning at every tick.
    const Interval interval = currentInterval();
    if (!interval.zero()) lastInterval_ = interval;
    // From the previous time, not from now, and past the end of a long run.
    next_ = advancePast(next_, lastInterval_, s_.clock.now());
  };
  try {
    runChosenCleaning();
  } catch (...) {
    advance();
    throw;
  }
  advance();
}

std::string AutomaticCleaning::autoStartCommand(const std::string& programFile) {
  if (programFile.find(' ') == std::string::npos) return programFile;
  return "\"" + programFile + "\"";
}

void AutomaticCleaning::autoStartClicked() {
  if (c_.autoStart.value() == ui::CheckBox::kChecked) {
    const std::string program = s_.process.programFile();
    // A value that names no file would start nothing at every logon.
    if (program.empty()) return;
    // A profile that never had an auto-start entry may lack the key.
    s_.registry.createKey(platform::hkey::kCurrentUser, kRunSubKey);
    s_.registry.setStringValue(kRunKey, kAutoStartValue, autoStartCommand(program));
  } else {
    s_.registry.deleteValue(platform::hkey::kCurrentUser, kRunSubKey, kAutoStartValue);
  }
}

}  // namespace vorn
