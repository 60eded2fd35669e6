#include "main/auto/automatic_cleaning.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/main/clean/clean_fixture.h"
#include "tests/support/scripted_screen.h"
#include "tests/support/scripted_tray.h"

using namespace vorn;
using platform::LocalTime;
using ::testing::ElementsAre;

namespace {

// The frame's view reads the real "Close application after cleaning" box.
class BoxView : public clean_test::RecordingView {
 public:
  explicit BoxView(ui::CheckBox& box) : box_(box) {}
  bool closeAfterCleaning() override { return box_.value() == ui::CheckBox::kChecked; }

 private:
  ui::CheckBox& box_;
};

}  // namespace

class AutomaticCleaningTest : public ::testing::Test {
 protected:
  AutomaticCleaningTest() {
    for (const char* c : {"All", "IE", "Netscape", "Opera", "User.def", "Plugins"})
      areaList.addItem(c);
    for (const char* m : {"0", "2", "15", "30", "45"}) minuteList.addItem(m);
    for (int d = 0; d <= 30; ++d) dayList.addItem(std::to_string(d));
    for (int h = 0; h <= 23; ++h) hourList.addItem(std::to_string(h));
    for (ui::ComboBox* c : {&areaList, &minuteList, &dayList, &hourList}) c->setListIndex(0);
    automatic.busy = [this] {
      return frame.state.cleanAllRunning || !frame.state.currentArea.empty();
    };
    automatic.closeMainWindow = [this] { events.push_back("close window"); };
    startStopButton.onClick = [this] { automatic.startStopClicked(); };
    autoStartBox.onClick = [this] { automatic.autoStartClicked(); };
    tickTimer.onTimer = [this] { automatic.timerTick(); };
  }

  std::string ini() { return fake.process.folder + "\\mainten.ini"; }
  // Sets the interval lists by their texts, as a user picks them.
  void interval(int days, int hours, int minutes) {
    dayList.setListIndex(days);
    hourList.setListIndex(hours);
    const char* m[] = {"0", "2", "15", "30", "45"};
    for (int i = 0; i < 5; ++i)
      if (std::to_string(minutes) == m[i]) minuteList.setListIndex(i);
  }
  void area(const std::string& text) {
    for (int i = 0; i < areaList.listCount(); ++i)
      if (areaList.items()[static_cast<std::size_t>(i)] == text) areaList.setListIndex(i);
  }
  // The timer as the window fires it: once a minute from now on.
  int minutesOfTicks(int minutes) {
    int fired = 0;
    for (int i = 0; i < minutes; ++i) {
      fake.clock.advanceSeconds(60);
      fired += tickTimer.tick();
    }
    return fired;
  }
  int count(const std::string& event) {
    return static_cast<int>(std::count(events.begin(), events.end(), event));
  }
  std::string runValue() {
    return registry.queryStringValue(platform::hkey::kCurrentUser, kRunSubKey, "Cleaner");
  }
  bool runValueExists() {
    platform::HKey key = 0;
    if (fake.registry.openKey(platform::hkey::kCurrentUser, kRunSubKey, platform::access::kRead,
                              key))
      return false;
    std::uint32_t type = 0, size = 0;
    const bool found = fake.registry.queryValueInfo(key, "Cleaner", type, size) == 0;
    fake.registry.closeKey(key);
    return found;
  }

  platform::fake::FakeSystem fake;
  common::SessionLog log{fake.files, fake.clock, [this] { return fake.process.folder; }};
  common::Settings settings{fake.files, log};
  ui::ScriptedPrompter prompter;
  ui::ScriptedScreen screen;
  ui::ScriptedTray tray;
  RegistryAccess registry{fake.registry, prompter};

  ui::ComboBox areaList{"autoCleanAreaBox"}, dayList{"autoDayBox"}, hourList{"autoHourBox"},
      minuteList{"autoMinuteBox"};
  ui::CheckBox autoStartBox{"autoStartBox", "Auto-Start on Windows Startup"};
  ui::CheckBox closeAfterBox{"closeAfterCleaningBox", "Close application after cleaning"};
  ui::Button startStopButton{"startAutomaticCleaningButton", kStartAutomaticCleaning};
  ui::Timer tickTimer{"automaticCleaningTimer"};

  BoxView view{closeAfterBox};
  PlainOptionBoxes boxes;
  Statistics statistics{settings, log, ini(), [] { return 1000.0; }};
  RunFrame frame{
      view, boxes, prompter, settings, log, fake.clock, ini(), [] { return 1000.0; }, statistics};
  PathValues paths;

  std::vector<std::string> events;
  std::function<void()> duringRun;  // what every cleaning command does besides recording
  void record(const char* command) {
    events.push_back(command);
    if (duringRun) duringRun();
  }
  CleaningCommands commands{[this] {
                              record("all");
                              RunFrame::Engines engines;
                              engines.windows = [this] { events.push_back("windows inside all"); };
                              frame.cleanAll(engines, paths);
                            },
                            [this] { record("ie"); },
                            [this] { record("netscape"); },
                            [this] { record("opera"); },
                            [this] { record("user.def"); },
                            [this] { record("plugins"); }};
  AutomaticCleaning automatic{
      {areaList, dayList, hourList, minuteList, autoStartBox, closeAfterBox, startStopButton,
       tickTimer},
      {fake.clock, fake.process, registry, settings, ini(), prompter, screen, tray, frame.state},
      commands};
};

TEST_F(AutomaticCleaningTest, AZeroIntervalIsRefusedAndNothingChanges) {
  closeAfterBox.setValue(1);
  startStopButton.click();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, kZeroIntervalMessage);
  EXPECT_EQ(prompter.shown[0].title, "Info");
  EXPECT_EQ(prompter.shown[0].style, ui::mb::kOk | ui::mb::kIconError);
  EXPECT_EQ(startStopButton.caption(), kStartAutomaticCleaning);
  EXPECT_FALSE(automatic.automaticCleaningOn());
  EXPECT_TRUE(tray.events.empty());
  EXPECT_EQ(tickTimer.interval(), 0);
  EXPECT_EQ(closeAfterBox.value(), 1);
  EXPECT_TRUE(frame.state.showDoneMessage);

  // Lists that show nothing are no interval either.
  dayList.setListIndex(-1);
  hourList.setListIndex(-1);
  minuteList.setListIndex(-1);
  startStopButton.click();
  EXPECT_EQ(prompter.shown.size(), 2u);
  EXPECT_FALSE(automatic.automaticCleaningOn());
}

TEST_F(AutomaticCleaningTest, StatesFollowTheTableFromOffToTrayToRestoredToOff) {
  const AutomaticCleaningState& query = automatic;
  settings.AddToini("Inst", "AutomaticClose", "1", ini());
  closeAfterBox.setValue(1);
  interval(0, 1, 0);

  startStopButton.click();  // off -> on, in the tray
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::InTray);
  EXPECT_TRUE(query.automaticCleaningOn());
  EXPECT_EQ(startStopButton.caption(), kStopAutomaticCleaning);
  EXPECT_EQ(tickTimer.interval(), 60000);
  EXPECT_TRUE(tickTimer.enabled());
  EXPECT_FALSE(frame.state.showDoneMessage);
  EXPECT_EQ(closeAfterBox.value(), 0);
  EXPECT_THAT(tray.events, ElementsAre("hook", "add Tervane", "animate to tray", "hide"));
  EXPECT_TRUE(tray.iconShown);
  EXPECT_FALSE(tray.windowShown);

  tray.events.clear();
  ASSERT_TRUE(tray.mouse(ui::TrayMouse::LeftDoubleClick));  // -> on, restored
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::Restored);
  EXPECT_TRUE(query.automaticCleaningOn());
  EXPECT_THAT(tray.events, ElementsAre("unhook", "remove", "animate from tray", "show"));
  EXPECT_EQ(screen.pumps, 2);
  EXPECT_TRUE(tray.windowShown);
  EXPECT_FALSE(tray.iconShown);
  EXPECT_FALSE(tray.hooked);
  EXPECT_EQ(startStopButton.caption(), kStopAutomaticCleaning);
  EXPECT_EQ(tickTimer.interval(), 60000);
  EXPECT_FALSE(frame.state.showDoneMessage);
  // A second double-click message has no icon behind it.
  EXPECT_FALSE(tray.mouse(ui::TrayMouse::LeftDoubleClick));

  startStopButton.click();  // -> off; the box comes back from the settings file
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::Off);
  EXPECT_FALSE(query.automaticCleaningOn());
  EXPECT_EQ(startStopButton.caption(), kStartAutomaticCleaning);
  EXPECT_EQ(tickTimer.interval(), 0);
  EXPECT_FALSE(tickTimer.tick());
  EXPECT_TRUE(frame.state.showDoneMessage);
  EXPECT_EQ(closeAfterBox.value(), 1);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AutomaticCleaningTest, StopRestoresTheCloseBoxFromTheFileNotFromBeforeTheStart) {
  interval(0, 0, 2);
  closeAfterBox.setValue(1);  // ticked on screen, but the file says unticked
  settings.AddToini("Inst", "AutomaticClose", "0", ini());
  startStopButton.click();
  tray.mouse(ui::TrayMouse::LeftDoubleClick);
  startStopButton.click();
  EXPECT_EQ(closeAfterBox.value(), 0);

  // An unreadable stored value leaves the box unticked rather than refusing to stop.
  settings.AddToini("Inst", "AutomaticClose", "yes", ini());
  closeAfterBox.setValue(1);
  startStopButton.click();
  tray.mouse(ui::TrayMouse::LeftDoubleClick);
  startStopButton.click();
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::Off);
  EXPECT_EQ(closeAfterBox.value(), 0);
}

TEST_F(AutomaticCleaningTest, TwoMinuteScheduleRunsInItsMinuteAndAdvancesFromThePreviousTime) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  area("IE");
  startStopButton.click();
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 12, 10, 2, 30, 0}));

  fake.clock.set({2001, 4, 12, 10, 1, 10, 0});
  tickTimer.tick();
  EXPECT_EQ(count("ie"), 0);
  fake.clock.set({2001, 4, 12, 10, 2, 10, 0});  // within 10:02, before its seconds
  tickTimer.tick();
  EXPECT_EQ(count("ie"), 1);
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 12, 10, 4, 30, 0}));
  fake.clock.set({2001, 4, 12, 10, 2, 50, 0});
  tickTimer.tick();
  EXPECT_EQ(count("ie"), 1) << "one run per slot";

  // Over a long stretch of regular ticks: one run every two minutes.
  EXPECT_EQ(minutesOfTicks(20), 20);
  EXPECT_EQ(count("ie"), 11);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_F(AutomaticCleaningTest, ThirtyDaysFromTheEndOfJanuaryRunOnTheSecondOfMarchNotOfFebruary) {
  fake.clock.set({2001, 1, 31, 10, 0, 0, 0});
  interval(30, 0, 0);
  area("Opera");
  startStopButton.click();
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 3, 2, 10, 0, 0, 0}));

  fake.clock.set({2001, 2, 2, 10, 0, 20, 0});
  tickTimer.tick();
  EXPECT_EQ(count("opera"), 0);

  fake.clock.set({2001, 3, 2, 10, 0, 20, 0});
  tickTimer.tick();
  EXPECT_EQ(count("opera"), 1);
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 1, 10, 0, 0, 0}));
}

TEST_F(AutomaticCleaningTest, AMissedSlotRunsOnceAtTheNextTickAndTheNextTimeLiesAhead) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 15);
  area("Plugins");
  startStopButton.click();  // next 10:15:30

  // The machine slept from 10:05 to 11:02: three slots went by.
  fake.clock.set({2001, 4, 12, 11, 2, 0, 0});
  tickTimer.tick();
  EXPECT_EQ(count("plugins"), 1);
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 12, 11, 15, 30, 0}));
  fake.clock.set({2001, 4, 12, 11, 3, 0, 0});
  tickTimer.tick();
  EXPECT_EQ(count("plugins"), 1);

  // A tick that comes while another run is going on waits; the next one takes the slot.
  fake.clock.set({2001, 4, 12, 11, 15, 40, 0});
  frame.state.currentArea = "Windows";
  tickTimer.tick();
  EXPECT_EQ(count("plugins"), 1);
  frame.state.currentArea.clear();
  fake.clock.set({2001, 4, 12, 11, 16, 40, 0});
  tickTimer.tick();
  EXPECT_EQ(count("plugins"), 2);
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 12, 11, 30, 30, 0}));
}

TEST_F(AutomaticCleaningTest, ARunLongerThanTheIntervalIsFollowedByTheNextSlotAfterItsEnd) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  area("User.def");
  startStopButton.click();
  duringRun = [this] { fake.clock.advanceSeconds(5 * 60); };
  fake.clock.set({2001, 4, 12, 10, 2, 40, 0});
  tickTimer.tick();
  EXPECT_EQ(count("user.def"), 1);
  // It ended at 10:07:40: the slots 10:04:30 and 10:06:30 are past, 10:08:30 is next.
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 12, 10, 8, 30, 0}));
}

TEST_F(AutomaticCleaningTest, AFailingRunStillAdvancesTheScheduleAndTheTimerGoesOn) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  area("Netscape");
  startStopButton.click();
  duringRun = [] { throw std::runtime_error("engine failed"); };
  fake.clock.set({2001, 4, 12, 10, 2, 40, 0});
  EXPECT_THROW(tickTimer.tick(), std::runtime_error);
  EXPECT_EQ(automatic.nextCleanTime(), (LocalTime{2001, 4, 12, 10, 4, 30, 0}));
  duringRun = nullptr;
  fake.clock.set({2001, 4, 12, 10, 4, 40, 0});
  tickTimer.tick();
  EXPECT_EQ(count("netscape"), 2);
}

TEST_F(AutomaticCleaningTest, EachChoiceRunsItsOwnCommandAndTheListIsReadAtEachTick) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  startStopButton.click();
  const std::vector<std::pair<std::string, std::string>> choices = {
      {"IE", "ie"},           {"Netscape", "netscape"},
      {"Opera", "opera"},     {"User.def", "user.def"},
      {"Plugins", "plugins"}, {"All", "all"}};
  for (const auto& [choice, command] : choices) {
    area(choice);
    events.clear();
    fake.clock.set(automatic.nextCleanTime());
    tickTimer.tick();
    ASSERT_FALSE(events.empty()) << choice;
    EXPECT_EQ(events.front(), command) << choice;
    EXPECT_EQ(events.size(), choice == "All" ? 2u : 1u) << choice;
  }
}

TEST_F(AutomaticCleaningTest, AllRunsCleanAllWithItsOwnFrameAndNoDoneMessageWaits) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  area("All");
  startStopButton.click();
  fake.clock.set({2001, 4, 12, 10, 2, 30, 0});
  tickTimer.tick();
  EXPECT_THAT(events, ElementsAre("all", "windows inside all"));
  EXPECT_FALSE(frame.state.cleanAllRunning);
  EXPECT_EQ(settings.getini("Senast", "Value1", ini()), "12/04/2001 10:02:30");
  EXPECT_EQ(view.count("close"), 0) << "the close box is unticked while automatic";
  EXPECT_TRUE(prompter.shown.empty());

  // After stopping, the same command shows its done message again.
  tray.mouse(ui::TrayMouse::LeftDoubleClick);
  startStopButton.click();
  commands.all();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, kDoneMessage);
}

TEST_F(AutomaticCleaningTest, ListsChangedToZeroWhileOnKeepTheLastRealInterval) {
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  area("IE");
  startStopButton.click();
  interval(0, 0, 0);
  EXPECT_EQ(minutesOfTicks(10), 10);
  EXPECT_EQ(count("ie"), 5) << "not one run at every tick";
  // A real interval chosen while on takes effect at the next advance.
  interval(0, 0, 30);
  EXPECT_EQ(minutesOfTicks(60), 60);
  EXPECT_EQ(count("ie"), 7);
}

TEST_F(AutomaticCleaningTest, TrayMenuRestoresOrClosesAndIsOnlyThereWhileInTheTray) {
  interval(0, 0, 2);
  startStopButton.click();
  tray.events.clear();

  tray.menuChoice = -1;  // dismissed
  tray.mouse(ui::TrayMouse::RightButtonDown);
  EXPECT_THAT(tray.events, ElementsAre("menu Close|Restore Window"));
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::InTray);

  tray.events.clear();
  tray.menuChoice = TrayMenu::kRestore;
  tray.mouse(ui::TrayMouse::RightButtonDown);
  EXPECT_THAT(tray.events, ElementsAre("menu Close|Restore Window", "unhook", "remove", "show"));
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::Restored);
  EXPECT_EQ(screen.pumps, 0) << "no animation on this way back";
  EXPECT_TRUE(automatic.automaticCleaningOn());

  // Stopping and starting again goes back to the tray; "Close" ends the program there.
  startStopButton.click();
  startStopButton.click();
  tray.events.clear();
  tray.menuChoice = TrayMenu::kClose;
  tray.mouse(ui::TrayMouse::RightButtonDown);
  EXPECT_THAT(tray.events, ElementsAre("menu Close|Restore Window", "remove", "unhook"));
  EXPECT_THAT(events, ElementsAre("close window"));
  EXPECT_FALSE(tray.iconShown);
}

TEST_F(AutomaticCleaningTest, WithoutANotificationAreaTheWindowStaysShownAndCleaningRuns) {
  tray.refuseIcon = true;
  fake.clock.set({2001, 4, 12, 10, 0, 30, 0});
  interval(0, 0, 2);
  area("IE");
  startStopButton.click();
  EXPECT_THAT(tray.events, ElementsAre("hook", "add Tervane", "unhook"));
  EXPECT_TRUE(tray.windowShown);
  EXPECT_EQ(automatic.mode(), AutomaticCleaning::Mode::Restored);
  EXPECT_EQ(startStopButton.caption(), kStopAutomaticCleaning);
  fake.clock.set({2001, 4, 12, 10, 2, 30, 0});
  tickTimer.tick();
  EXPECT_EQ(count("ie"), 1);
}

TEST_F(AutomaticCleaningTest, AutoStartBoxWritesAndRemovesCleanerWithTheRunningProgramsPath) {
  // The profile has no Run key yet: the first entry creates it.
  fake.process.folder = "C:\\Tools\\Tervane";
  autoStartBox.setValue(1);
  EXPECT_EQ(runValue(), "C:\\Tools\\Tervane\\vorn66.exe");
  autoStartBox.setValue(0);
  EXPECT_FALSE(runValueExists());

  // A path with blanks is quoted, or Windows would try to start "C:\Program".
  fake.process.folder = "C:\\Program Files\\Tervane";
  autoStartBox.setValue(1);
  EXPECT_EQ(runValue(), "\"C:\\Program Files\\Tervane\\vorn66.exe\"");
  // Whatever name the program was installed under is the one written.
  fake.process.fileName = "tervane.exe";
  autoStartBox.setValue(0);
  autoStartBox.setValue(1);
  EXPECT_EQ(runValue(), "\"C:\\Program Files\\Tervane\\tervane.exe\"");
  // Removing a value that is not there is quiet, and other programs' entries stay.
  registry.setStringValue(kRunKey, "Other", "other.exe");
  autoStartBox.setValue(0);
  autoStartBox.setValue(1);
  autoStartBox.setValue(0);
  EXPECT_FALSE(runValueExists());
  EXPECT_EQ(registry.queryStringValue(platform::hkey::kCurrentUser, kRunSubKey, "Other"),
            "other.exe");
  EXPECT_TRUE(prompter.shown.empty());
}
