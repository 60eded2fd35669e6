// The cleaning subsystems plugged into the main window on the fake platform: the Windows
// toolbar, "Clean All", the safety slider and the chart, as a user meets them.
#include "main/app/wiring.h"

#include <gtest/gtest.h>

#include "main/clean/run_frame.h"
#include "main/clean/windows_cleaner.h"
#include "tests/main/app/app_fixture.h"

namespace vorn {
namespace {

class WiringTest : public ::testing::Test, public testing::AppFixture {
 protected:
  WiringTest() {
    fake.clock.set({2001, 4, 12, 10, 30, 0, 0});
    session.extendedFreeSpace = true;
    fake.disk.freeBytes = 100 * 1024 * 1024;
    p.Win1 = "C:\\WINDOWS\\Recent\\";
    p.Win2 = "C:\\WINDOWS\\Temp\\";
    p.Win3 = "C:\\WINDOWS\\Downloaded Program Files\\";
    for (const std::string& f : {p.Win1, p.Win2, p.Win3}) fake.files.addFolder(f);
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services);
  }

  // Ticks Windows options as the user does: each tick runs the box's handler.
  void tick(std::initializer_list<int> boxes) {
    for (int i : boxes) window->clean.windowsOptions[static_cast<std::size_t>(i)].setValue(1);
  }
  bool mru(const char* name) {
    return fake.registry.hasValue(platform::hkey::kCurrentUser, kRunMruKey, name);
  }

  PathValues& p = session.paths;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(WiringTest, CleanWindowsToolbarCleansAndReportsThroughTheWindow) {
  fake.files.addFile(p.Win1 + "letter.lnk", "x");
  fake.registry.setString(platform::hkey::kCurrentUser, kRunMruKey, "a", "notepad");
  fake.registry.setString(platform::hkey::kCurrentUser, kRunMruKey, "u", "kept");
  tick({0, 5});
  // 2048 KB come free while the run goes on (the extended query counts 1000 bytes a KB).
  screen.duringEvents = [this] { fake.disk.freeBytes += 2048 * 1000; };

  window->clean.cleanWindowsToolbar.click(0);

  EXPECT_FALSE(fake.files.exists(p.Win1 + "letter.lnk"));
  EXPECT_FALSE(mru("a"));
  EXPECT_TRUE(mru("u"));
  EXPECT_EQ(window->clean.progressBar.max(), 2);
  EXPECT_EQ(window->clean.progressBar.value(), 2);
  EXPECT_FALSE(window->statusAnimationTimer.enabled());
  EXPECT_EQ(window->statusBar.simpleText(), "This computer was last cleaned: 12/04/2001 10:30:00");
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Cleaning System...Done");
  ASSERT_FALSE(screen.pointers.empty());
  EXPECT_EQ(screen.pointers.front(), ui::Pointer::Hourglass);
  EXPECT_EQ(screen.pointers.back(), ui::Pointer::Default);
  EXPECT_EQ(window->statistics.recoveredSpaceChart.row(1).value, "2048");
  EXPECT_EQ(window->statistics.recoveredSpaceChart.row(1).label, "12/04/2001 10:30:00");
  EXPECT_EQ(ini("Senast", "Value1"), "12/04/2001 10:30:00");

  // The chart row and the next slot reach the settings file when the window closes.
  window->unloadWindow();
  EXPECT_EQ(ini("Statistics", "Current"), "2");
  EXPECT_EQ(ini("Statistics", "Size1"), "2048");
  EXPECT_EQ(ini("Statistics", "Date1"), "12/04/2001 10:30:00");
}

TEST_F(WiringTest, StatusAnimationAlternatesWhileARunIsOn) {
  tick({7});
  std::vector<std::string> seen;
  screen.duringEvents = [&] {
    ASSERT_TRUE(window->statusAnimationTimer.enabled());
    EXPECT_EQ(window->statusAnimationTimer.interval(), 1000);
    window->statusAnimationTimer.tick();
    seen.push_back(window->statusBar.simpleText());
    window->statusAnimationTimer.tick();
    seen.push_back(window->statusBar.simpleText());
  };
  window->clean.cleanWindowsToolbar.click(0);
  EXPECT_EQ(seen, (std::vector<std::string>{"Please Wait...", "Cleaning... Windows"}));
}

TEST_F(WiringTest, ClosingAfterCleaningEndsTheProgramInsteadOfTheDoneMessage) {
  windows.show(*window);
  window->maintenance.closeAfterCleaningBox.setValue(1);
  tick({7});
  window->clean.cleanWindowsToolbar.click(0);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_FALSE(windows.isOpen(*window));
}

TEST_F(WiringTest, CleanAllRunsWindowsInItsOwnFrameWithOneMessageAndOneRow) {
  fake.files.addFile("C:\\FILE0000.CHK", "x");
  tick({4});
  window->clean.cleanAllToolbars[0].click(0);
  EXPECT_FALSE(fake.files.exists("C:\\FILE0000.CHK"));
  EXPECT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(window->statistics.recoveredSpaceChart.row(1).label, "12/04/2001 10:30:00");
  EXPECT_EQ(window->statistics.recoveredSpaceChart.row(2).label, "");
  EXPECT_EQ(session.statisticsSlot, 2);
  EXPECT_FALSE(subsystems->running());
}

TEST_F(WiringTest, APressDuringARunIsIgnored) {
  tick({7});
  screen.duringEvents = [this] {
    window->clean.cleanWindowsToolbar.click(0);
    window->clean.cleanAllButton.click();
  };
  window->clean.cleanWindowsToolbar.click(0);
  EXPECT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(session.statisticsSlot, 2);
  // Once it has ended, the next press runs.
  window->clean.cleanWindowsToolbar.click(0);
  EXPECT_EQ(prompter.shown.size(), 2u);
}

TEST_F(WiringTest, SliderSetsTheSafetyLevelAndItsDescription) {
  window->maintenance.safetyLevelSlider.userMoved(3);
  EXPECT_EQ(session.safetyLevel, "3");
  EXPECT_EQ(window->maintenance.safetyLevelLabel.caption(),
            "Safety level 3, overwriting each file three times with random characters. This "
            "will make the cleaning process slower");
  window->maintenance.safetyLevelSlider.userMoved(5);
  EXPECT_EQ(session.safetyLevel, "5");
}

TEST_F(WiringTest, LoadPlacesTheSliderAndShowsTheStoredStatistics) {
  installDeliveredSettings();
  setIni("Inst", "Safetylevel", "4");
  setIni("Statistics", "Current", "3");
  setIni("Statistics", "Size2", "512");
  setIni("Statistics", "Date2", "11/04/2001 09:00:00");
  window->loadWindow();
  EXPECT_EQ(window->maintenance.safetyLevelSlider.value(), 4);
  EXPECT_EQ(session.safetyLevel, "4");
  EXPECT_NE(window->maintenance.safetyLevelLabel.caption().find("five times"), std::string::npos);
  EXPECT_EQ(window->statistics.recoveredSpaceChart.row(2).value, "512");
  EXPECT_EQ(window->statistics.recoveredSpaceChart.row(2).label, "11/04/2001 09:00:00");
  EXPECT_EQ(session.statisticsSlot, 3);
}

}  // namespace
}  // namespace vorn
