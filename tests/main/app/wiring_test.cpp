// The cleaning subsystems plugged into the main window on the fake platform: the Windows
// toolbar, "Clean All", the safety slider and the chart, as a user meets them.
#include "main/app/wiring.h"

#include <gtest/gtest.h>

#include "main/auto/automatic_cleaning.h"
#include "main/clean/run_frame.h"
#include "main/clean/windows_cleaner.h"
#include "main/dialogs/ie_cookies_dialog.h"
#include "main/dialogs/net_cookies_dialog.h"
#include "platform/fake/fake_desktop.h"
#include "tests/main/app/app_fixture.h"
#include "tests/support/scripted_tray.h"

namespace vorn {
namespace {

class WiringTest : public ::testing::Test, public testing::AppFixture {
 protected:
  WiringTest() {
    fake.clock.set({2001, 4, 12, 10, 30, 0, 0});
    session.extendedFreeSpace = true;
    fake.disk.freeBytes = 100 * 1024 * 1024;
    p.docHistoryFolder = "C:\\WINDOWS\\Recent\\";
    p.windowsTempFolder = "C:\\WINDOWS\\Temp\\";
    p.downloadedProgramFilesFolder = "C:\\WINDOWS\\Downloaded Program Files\\";
    for (const std::string& f :
         {p.docHistoryFolder, p.windowsTempFolder, p.downloadedProgramFilesFolder})
      fake.files.addFolder(f);
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
  }

  // Ticks Windows options as the user does: each tick runs the box's handler.
  void tick(std::initializer_list<int> boxes) {
    for (int i : boxes) window->clean.windowsOptions[static_cast<std::size_t>(i)].setValue(1);
  }
  bool mru(const char* name) {
    return fake.registry.hasValue(platform::hkey::kCurrentUser, kRunMruKey, name);
  }

  PathValues& p = session.paths;
  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(WiringTest, CleanWindowsToolbarCleansAndReportsThroughTheWindow) {
  fake.files.addFile(p.docHistoryFolder + "letter.lnk", "x");
  fake.registry.setString(platform::hkey::kCurrentUser, kRunMruKey, "a", "notepad");
  fake.registry.setString(platform::hkey::kCurrentUser, kRunMruKey, "u", "kept");
  tick({0, 5});
  // 2048 KB come free while the run goes on (the extended query counts 1000 bytes a KB).
  screen.duringEvents = [this] { fake.disk.freeBytes += 2048 * 1000; };

  window->clean.cleanWindowsToolbar.click(0);

  EXPECT_FALSE(fake.files.exists(p.docHistoryFolder + "letter.lnk"));
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

TEST_F(WiringTest, BrowserButtonsAndCleanAllCleanNetscapeAndOperaWhereAvailable) {
  const std::string folder = fake.process.folder;
  p.netscapeUsersFolder = "C:\\Program Files\\Netscape\\Users\\";
  p.netscapeUserName = "ann";
  p.netscapeCacheFolder = p.netscapeUsersFolder + "ann\\Cache\\";
  p.operaUserFolder = "C:\\Program Files\\Opera\\";
  p.operaCacheFolder = p.operaUserFolder + "Cache4\\";
  session.safetyLevel = "1";
  fake.files.addFile(folder + "\\cookies2.lst", "kept\r\n");
  fake.files.addFile(folder + "\\opera.win", "clean");
  auto seed = [&] {
    fake.files.addFile(p.netscapeUsersFolder + "ann\\cookies.txt", "secret");
    fake.files.addFile(p.operaUserFolder + "vlink4.dat", "visited");
  };
  window->clean.netscapeOptions[2].setValue(1);
  window->clean.operaOptions[3].setValue(1);

  seed();
  window->clean.cleanNetscapeToolbar.click(0);
  EXPECT_EQ(fake.files.contents(p.netscapeUsersFolder + "ann\\cookies.txt"), "kept\r\n");
  EXPECT_TRUE(fake.files.exists(p.operaUserFolder + "vlink4.dat"));
  window->clean.cleanOperaToolbar.click(0);
  EXPECT_FALSE(fake.files.exists(p.operaUserFolder + "vlink4.dat"));
  EXPECT_EQ(prompter.shown.size(), 2u);

  // "Clean All" runs a browser's engine only while that browser is available.
  seed();
  p.netscapeAvailable = true;
  p.operaAvailable = false;
  window->clean.cleanAllButton.click();
  EXPECT_EQ(fake.files.contents(p.netscapeUsersFolder + "ann\\cookies.txt"), "kept\r\n");
  EXPECT_TRUE(fake.files.exists(p.operaUserFolder + "vlink4.dat"));
  p.operaAvailable = true;
  window->clean.cleanAllButton.click();
  EXPECT_FALSE(fake.files.exists(p.operaUserFolder + "vlink4.dat"));
  EXPECT_EQ(prompter.shown.size(), 4u);
  EXPECT_FALSE(subsystems->running());
}

TEST_F(WiringTest, TheNetscapeCookiesButtonOpensTheDialogOnlyWhileNetscapeIsThere) {
  p.netscapeProfile = "C:\\Program Files\\Netscape\\Users\\ann";
  fake.files.addFile(p.netscapeProfile + "\\cookies.txt", "# comment\r\n.a.example\tTRUE\r\n");
  std::vector<std::string> listed;
  windows.whileModal["Netscape Cookies"] = [&](ui::WindowModel&) {
    listed = subsystems->netCookies->allCookiesList.items();
  };
  window->services().session.paths.netscapeAvailable = false;
  window->clean.viewNetscapeCookiesButton.click();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Path could not be found");
  EXPECT_TRUE(listed.empty());

  window->services().session.paths.netscapeAvailable = true;
  window->clean.viewNetscapeCookiesButton.click();
  EXPECT_EQ(listed, std::vector<std::string>{".a.example\tTRUE"});
  EXPECT_EQ(windows.events.back(), "close Netscape Cookies");
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

TEST_F(WiringTest, LoadListsThePluginsAndCleanAllCarriesOutTheTickedOnes) {
  installDeliveredSettings();
  const std::string folder = fake.process.folder + "\\";
  fake.files.addFile(folder + "tool2.cp2", "[Main]\r\nName=Tool\r\nActive=False\r\n");
  fake.files.addFile(folder + "tool2.cp1", "HKEY_CURRENT_USER\\Software\\Tool-\r\n");
  fake.registry.setString(platform::hkey::kCurrentUser, "Software\\Tool", "v", "1");
  window->loadWindow();
  ASSERT_EQ(window->clean.pluginList.items(), std::vector<std::string>{"Tool"});
  EXPECT_EQ(window->paths.availablePluginsList.items(), std::vector<std::string>{"Tool"});
  EXPECT_EQ(window->paths.pluginFolderBox.text(), folder);
  window->clean.pluginList.userChecked(0, true);
  prompter.shown.clear();
  window->clean.cleanAllButton.click();
  EXPECT_FALSE(fake.registry.hasKey(platform::hkey::kCurrentUser, "Software\\Tool"));
  ASSERT_EQ(prompter.shown.size(), 1u);
  window->clean.pluginList.userSelected(0);
  window->clean.pluginInfoButton.click();
  EXPECT_EQ(windows.events.back(), "show Plugin Info");
}

TEST_F(WiringTest, ActiveListsAreCleanedByCleanUserDefAndByCleanAll) {
  installDeliveredSettings();
  const std::string folder = fake.process.folder + "\\";
  std::string ini = fake.files.contents(folder + "mainten.ini");
  ini.replace(ini.find("UDvalue2=0"), 10, "UDvalue2=1");
  fake.files.addFile(folder + "mainten.ini", ini);
  fake.files.addFile(folder + "userdef2.lst", "D:\\Junk\r\nD:\\Dl\\*.*\r\n");
  fake.files.addFile("D:\\Junk\\a.txt");
  fake.files.addFile("D:\\Dl\\b.zip");
  window->loadWindow();
  ASSERT_TRUE(window->clean.userDefinedOptions[1].enabled());
  window->clean.userDefinedOptions[1].setValue(1);
  window->clean.cleanUserDefinedToolbar.click(0);
  EXPECT_FALSE(fake.files.exists("D:\\Junk"));
  EXPECT_FALSE(fake.files.exists("D:\\Dl\\b.zip"));
  EXPECT_TRUE(fake.files.isFolder("D:\\Dl"));
  fake.files.addFile("D:\\Dl\\c.zip");
  window->clean.cleanAllButton.click();
  EXPECT_FALSE(fake.files.exists("D:\\Dl\\c.zip"));
}

TEST_F(WiringTest, CleanIEAndCleanAllSpareTheKeepListReadAtStartUp) {
  p.ieCookiesFolder = "C:\\WINDOWS\\Cookies\\";
  p.ieAvailable = true;
  fake.files.addFile(folder() + "\\cookies1.lst", "me@kept[1].txt\r\n");
  fake.files.addFile(folder() + "\\ow.chx", "0123");
  fake.files.addFile(folder() + "\\ow2.chx", "4567");
  for (const char* n : {"me@kept[1].txt", "me@gone[1].txt", "index.dat"})
    fake.files.addFile(p.ieCookiesFolder + n, "c");
  window->loadSteps().listCookiestoSave();
  EXPECT_EQ(subsystems->ieKeepList, std::vector<std::string>{"me@kept[1].txt"});
  window->clean.ieOptions[2].setValue(1);
  window->clean.cleanIEToolbar.click(0);
  EXPECT_TRUE(fake.files.exists(p.ieCookiesFolder + "me@kept[1].txt"));
  EXPECT_TRUE(fake.files.exists(p.ieCookiesFolder + "index.dat"));
  EXPECT_FALSE(fake.files.exists(p.ieCookiesFolder + "me@gone[1].txt"));
  EXPECT_EQ(window->clean.progressBar.value(), 1);
  ASSERT_EQ(prompter.shown.size(), 1u);

  fake.files.addFile(p.ieCookiesFolder + "me@again[1].txt", "c");
  window->clean.cleanAllButton.click();
  EXPECT_FALSE(fake.files.exists(p.ieCookiesFolder + "me@again[1].txt"));
  EXPECT_TRUE(fake.files.exists(p.ieCookiesFolder + "me@kept[1].txt"));
  EXPECT_EQ(prompter.shown.size(), 2u);

  // A list that cannot be read leaves nothing kept, and says why in the log.
  fake.files.deleteFile(folder() + "\\cookies1.lst");
  window->loadSteps().listCookiestoSave();
  EXPECT_TRUE(subsystems->ieKeepList.empty());
  EXPECT_NE(fake.files.contents(folder() + "\\vorn.log").find("listCookiestoSave"),
            std::string::npos);
}

TEST_F(WiringTest, TheIECookiesDialogsSaveIsWhatTheNextCleaningKeeps) {
  p.ieCookiesFolder = "C:\\WINDOWS\\Cookies\\";
  fake.files.addFile(folder() + "\\cookies1.000", "");
  fake.files.addFile(p.ieCookiesFolder + "me@a[1].txt", "c");
  window->services().session.paths.ieAvailable = false;
  window->clean.viewIECookiesButton.click();  // no usable folder: refused
  EXPECT_TRUE(windows.events.empty());
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Path could not be found");

  window->services().session.paths.ieAvailable = true;
  windows.whileModal["Internet Explorer Cookies"] = [](ui::WindowModel& m) {
    auto& d = static_cast<IECookiesDialog&>(m);
    d.cookieFiles.userSelected(0);
    d.cookieFiles.userDoubleClicked();
    d.okButton.click();
  };
  window->clean.viewIECookiesButton.click();
  EXPECT_EQ(subsystems->ieKeepList, std::vector<std::string>{"me@a[1].txt"});
  EXPECT_EQ(fake.files.contents(folder() + "\\cookies1.lst"), "me@a[1].txt\r\n");
}

TEST_F(WiringTest, AutomaticAllRunsCleanAllWithWindowsFromTheTrayWithoutAMessage) {
  EXPECT_FALSE(subsystems->automaticState.automaticCleaningOn());
  installDeliveredSettings();
  window->loadWindow();
  windows.show(*window);
  MaintenancePage& m = window->maintenance;
  EXPECT_EQ(m.closeAfterCleaningBox.value(), 0);
  setIni("Inst", "AutomaticClose", "1");
  m.closeAfterCleaningBox.setValue(1);
  m.autoHourBox.setListIndex(0);
  m.autoMinuteBox.setListIndex(1);     // 2 minutes
  m.autoCleanAreaBox.setListIndex(0);  // "All"
  tick({4});
  fake.files.addFile("C:\\FILE0000.CHK", "x");

  m.startAutomaticCleaningButton.click();
  EXPECT_EQ(m.startAutomaticCleaningButton.caption(), "Stop Automatic Cleaning");
  EXPECT_FALSE(tray.windowShown);
  EXPECT_TRUE(tray.iconShown);
  EXPECT_EQ(m.closeAfterCleaningBox.value(), 0);
  EXPECT_EQ(window->automaticCleaningTimer.interval(), 60000);
  const AutomaticCleaningState& state = subsystems->automaticState;
  EXPECT_TRUE(state.automaticCleaningOn());

  fake.clock.advanceSeconds(60);
  window->automaticCleaningTimer.tick();
  EXPECT_TRUE(fake.files.exists("C:\\FILE0000.CHK"));
  fake.clock.advanceSeconds(60);
  window->automaticCleaningTimer.tick();
  EXPECT_FALSE(fake.files.exists("C:\\FILE0000.CHK")) << "Clean All ran Windows cleaning";
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_TRUE(windows.isOpen(*window));
  EXPECT_EQ(ini("Senast", "Value1"), "12/04/2001 10:32:00");
  EXPECT_EQ(session.statisticsSlot, 2);

  // Back from the tray and switched off: the box comes from the file again.
  ASSERT_TRUE(tray.mouse(ui::TrayMouse::LeftDoubleClick));
  EXPECT_TRUE(tray.windowShown);
  m.startAutomaticCleaningButton.click();
  EXPECT_FALSE(state.automaticCleaningOn());
  EXPECT_EQ(m.closeAfterCleaningBox.value(), 1);
  EXPECT_EQ(window->automaticCleaningTimer.interval(), 0);
}

TEST_F(WiringTest, ATickDuringARunWaitsAndTheNextTickRunsTheSlot) {
  installDeliveredSettings();
  window->loadWindow();
  MaintenancePage& m = window->maintenance;
  m.autoHourBox.setListIndex(0);
  m.autoMinuteBox.setListIndex(1);
  m.autoCleanAreaBox.setListIndex(0);
  tick({7});
  m.startAutomaticCleaningButton.click();
  fake.clock.advanceSeconds(120);
  // The user's own run lets the tick in while it pumps messages.
  screen.duringEvents = [this] { window->automaticCleaningTimer.tick(); };
  window->clean.cleanWindowsToolbar.click(0);
  EXPECT_EQ(session.statisticsSlot, 2) << "the tick started no run inside the run";
  fake.clock.advanceSeconds(60);
  window->automaticCleaningTimer.tick();
  EXPECT_EQ(session.statisticsSlot, 3);
}

TEST_F(WiringTest, CloseInTheTrayMenuEndsTheProgramAndSavesTheSettings) {
  installDeliveredSettings();
  setIni("Inst", "AutomaticClose", "1");
  window->loadWindow();
  windows.show(*window);
  MaintenancePage& m = window->maintenance;
  EXPECT_EQ(m.closeAfterCleaningBox.value(), 1);
  m.autoDayBox.setListIndex(3);
  m.startAutomaticCleaningButton.click();
  tray.menuChoice = TrayMenu::kClose;
  ASSERT_TRUE(tray.mouse(ui::TrayMouse::RightButtonDown));
  EXPECT_FALSE(windows.isOpen(*window));
  EXPECT_FALSE(tray.iconShown);
  EXPECT_FALSE(tray.hooked);
  EXPECT_EQ(ini("Inst", "AutomaticClose"), "0") << "saved from the box unticked while on";
  EXPECT_EQ(ini("Automatic", "Day"), "3");
}

TEST_F(WiringTest, AutoStartEntryFollowsTheBoxAndIsRewrittenAtEachStart) {
  const std::string run = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
  const std::string program = "\"" + folder() + "\\vorn66.exe\"";
  installDeliveredSettings();
  window->loadWindow();
  EXPECT_FALSE(fake.registry.hasValue(platform::hkey::kCurrentUser, run, "Cleaner"));
  window->maintenance.autoStartBox.userClicked();
  EXPECT_EQ(fake.registry.value(platform::hkey::kCurrentUser, run, "Cleaner"), program);
  window->maintenance.autoStartBox.userClicked();
  EXPECT_FALSE(fake.registry.hasValue(platform::hkey::kCurrentUser, run, "Cleaner"));

  // A start with Autostart=1 writes the entry again: a moved program is found again.
  fake.registry.setString(platform::hkey::kCurrentUser, run, "Cleaner", "C:\\old\\vorn6.exe");
  setIni("Inst", "Autostart", "1");
  auto next = std::make_unique<MainWindow>(services);
  auto nextSubsystems = wireSubsystems(*next, services, tray);
  next->loadWindow();
  EXPECT_EQ(fake.registry.value(platform::hkey::kCurrentUser, run, "Cleaner"), program);
}

// "Clean IE" with the browser's dialog never appearing: nothing is typed anywhere, the
// user hears it once, and the cache interface and the file steps do the work.
class IEWiringTest : public ::testing::Test, public testing::AppFixture {
 protected:
  IEWiringTest() {
    services.internetProperties = &applet;
    services.topWindows = &desktop;
    services.keySender = &keys;
    services.urlCache = &cache;
    mail = desktop.add("Inbox - Mail", 9);
    desktop.foregroundWindow = mail;
    window = std::make_unique<MainWindow>(services);
    subsystems = wireSubsystems(*window, services, tray);
  }
  platform::fake::FakeInternetProperties applet;
  platform::fake::FakeTopWindows desktop;
  platform::fake::FakeKeySender keys{desktop};
  platform::fake::FakeUrlCache cache;
  platform::WindowHandle mail = 0;
  ui::ScriptedTray tray;
  std::unique_ptr<MainWindow> window;
  std::unique_ptr<Subsystems> subsystems;
};

TEST_F(IEWiringTest, NoDialogMeansNoKeystrokeOneMessageAndTheCacheEmptiedAnyway) {
  const std::string history = "C:\\WINDOWS\\History\\", temp = "C:\\WINDOWS\\TIF\\";
  setIni("Path", "IE1", history);
  setIni("Path", "IE2", temp);
  fake.files.addFile(history + "history.ie5\\mshist~3\\index.dat", "x");
  fake.files.addFile(temp + "page.htm", "x");
  cache.add("http://site/page.htm");
  cache.add("Cookie:me@site/", platform::cacheentry::kCookie);
  window->clean.ieOptions[0].setValue(1);
  window->clean.ieOptions[1].setValue(1);
  window->clean.cleanIEToolbar.click(0);
  EXPECT_EQ(applet.starts, 1);
  EXPECT_TRUE(keys.sent.empty());
  EXPECT_EQ(keys.refused, 0);
  EXPECT_EQ(desktop.foregroundWindow, mail);
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text, "Your Internet Explorer language is not supported");
  EXPECT_EQ(prompter.shown[1].text, "Cleaning System...Done");
  EXPECT_FALSE(cache.has("http://site/page.htm"));
  EXPECT_TRUE(cache.has("Cookie:me@site/"));
  EXPECT_FALSE(fake.files.exists(history + "history.ie5\\mshist~3"));
  EXPECT_FALSE(fake.files.exists(temp + "page.htm"));
  EXPECT_EQ(window->clean.progressBar.value(), 2);
}

}  // namespace
}  // namespace vorn
