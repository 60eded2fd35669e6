#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "main/app/free_space.h"
#include "tests/main/app/app_fixture.h"

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;

class MainWindowTest : public ::testing::Test, public AppFixture {
 protected:
  void SetUp() override {
    installDeliveredSettings();
    // A scoutry.exe to start, and the folders of a normal installation.
    fake.files.addFile(folder() + "\\scoutry.exe", "MZ");
    fake.files.addFolder("C:\\WINDOWS\\Cookies");
    setIni("Path", "IE3", "C:\\WINDOWS\\Cookies\\");
    setIni("Path", "Detect", "1");
    setIni("Inst", "Scoutry", "0");
    setIni("Inst", "Showtip", "0");
    makeWindow();
  }
  std::vector<std::string> log() { return logRecords(); }
};

TEST_F(MainWindowTest, LoadRunsTheOtherSubsystemsInTheirFixedOrder) {
  setIni("Path", "Detect", "0");
  setIni("Inst", "Scoutry", "1");
  setIni("Inst", "Showtip", "1");
  setIni("Inst", "Autostart", "1");
  fake.processes.onStart = [this](const std::string& line) {
    events.push_back("start " + platform::commandProgram(line));
  };
  mainWindow->loadWindow();
  // The wait on scoutry is recorded by the fake; keep the order of both streams.
  ASSERT_EQ(fake.processes.started.size(), 1u);
  EXPECT_EQ(fake.processes.started[0].commandLine, "\"" + folder() + "\\scoutry.exe\"");
  EXPECT_EQ(fake.processes.started[0].showStyle, platform::show::kNormal);
  EXPECT_THAT(fake.processes.events,
              ElementsAre(::testing::StartsWith("start"), ::testing::StartsWith("wait")));
  EXPECT_THAT(events, ElementsAre("findPath", "start " + folder() + "\\scoutry.exe", "fixPlugins",
                                  "autoStartChanged", "fixUserDef", "fixPath", "fixSliderSettings",
                                  "listCookiestoSave", "getStatistics"));
  EXPECT_THAT(windows.events, ElementsAre("show Tervane 6.6", "modal Notice!", "close Notice!"));
  EXPECT_EQ(ini("Path", "Detect"), "1");
  EXPECT_EQ(ini("Inst", "Scoutry"), "0");
  EXPECT_TRUE(log().empty()) << log().front();
}

TEST_F(MainWindowTest, LoadAppliesStoredStateToTheWindow) {
  setIni("Senast", "Value1", "12.04.2001 10:15:00");
  setIni("Automatic", "Day", "3");
  setIni("Automatic", "Minute", "2");
  setIni("Inst", "Safetylevel", "4");
  fake.files.addFile("C:\\WINDOWS\\Cookies\\user@site[1].txt", "c");
  fake.disk.freeBytes = 123'456'789;
  mainWindow->loadWindow();
  EXPECT_EQ(mainWindow->statusBar.simpleText(),
            "This computer was last cleaned at: 12.04.2001 10:15:00");
  EXPECT_EQ(mainWindow->maintenance.autoDayBox.text(), "3");
  EXPECT_EQ(mainWindow->maintenance.autoMinuteBox.text(), "15");
  EXPECT_EQ(mainWindow->maintenance.autoHourBox.text(), "1");
  EXPECT_EQ(mainWindow->maintenance.autoCleanAreaBox.text(), "All");
  EXPECT_EQ(mainWindow->maintenance.autoDayBox.listCount(), 31);
  EXPECT_EQ(mainWindow->maintenance.autoHourBox.listCount(), 24);
  EXPECT_EQ(mainWindow->maintenance.safetyLevelSlider.value(), 4);
  EXPECT_EQ(mainWindow->about.homePageLink.caption(), "http://www.tervane.example/");
  EXPECT_EQ(mainWindow->about.mailLabel.caption(), "support@tervane.example");
  EXPECT_FALSE(mainWindow->clean.netscapeMissingLabel.visible());
  EXPECT_FALSE(mainWindow->clean.operaMissingLabel.visible());
  EXPECT_FALSE(mainWindow->clean.ieMissingLabel.visible());
  EXPECT_THAT(mainWindow->clean.ieCookieFiles.items(), ElementsAre("user@site[1].txt"));
  // 123456.789 KB, rounded to a whole number.
  EXPECT_EQ(mainWindow->freeSpaceBefore, 123457);
  EXPECT_EQ(mainWindow->freeSpaceAfter, 123457);
  EXPECT_EQ(session.paths.windowsFolder, "C:\\WINDOWS\\");
  EXPECT_EQ(session.paths.ieCookiesFolder, "C:\\WINDOWS\\Cookies\\");
  EXPECT_TRUE(session.paths.found("ieCookiesFolder"));
  EXPECT_FALSE(session.paths.found("ieHistoryFolder"));
  EXPECT_EQ(session.paths.netscapeProfile, "-Error");
  for (int i = 0; i < mainWindow->clean.optionTable.size(); ++i)
    EXPECT_EQ(mainWindow->clean.optionBox(i).value(),
              std::stoi(ini("Rensa", "Value" + std::to_string(i + 1))))
        << "Value" << i + 1;
}

TEST_F(MainWindowTest, AMissingOptionValueKeepsItsBoxAndLogsOneLine) {
  mainWindow->clean.ieOptions[2].setValue(1);
  mainWindow->clean.ieOptions[3].setValue(0);
  removeIniKey("Rensa", "Value3");
  ASSERT_EQ(ini("Rensa", "Value3"), "");
  mainWindow->loadWindow();
  EXPECT_EQ(mainWindow->clean.ieOptions[2].value(), 1);
  EXPECT_EQ(mainWindow->clean.ieOptions[3].value(), 1);
  EXPECT_THAT(log(), ElementsAre("fixCleanInfo at line 3 - Type mismatch (13)"));
}

TEST_F(MainWindowTest, MissingSettingsAreLoggedUnderTheirProcedureAndTheLoadCompletes) {
  removeIniKey("Automatic", "Hour");
  removeIniKey("Inst", "AutomaticClose");
  setIni("Path", "IE3", "C:\\Nowhere\\");
  mainWindow->loadWindow();
  auto records = log();
  // Steps count from 0; loadSettings jumps by 100 before the path detection.
  EXPECT_THAT(records, ElementsAre("Initialize at line 107 - Type mismatch (13)",
                                   "Load at line 8 - Type mismatch (13)",
                                   "sIECookies in Load C:\\Nowhere\\ at line 11 -  (0)"));
  EXPECT_EQ(mainWindow->maintenance.autoHourBox.listIndex(), 0);
  // The rest of the load still ran.
  EXPECT_THAT(events, ::testing::Contains("getStatistics"));
}

TEST_F(MainWindowTest, LoadSetsTheWindowsAreaFlagsFromTheStoredFolders) {
  fake.files.addFolder("C:\\TEMP");
  setIni("Path", "Win2", "C:\\TEMP\\");
  setIni("Path", "Win3", "C:\\Gone\\");
  session.paths.folderFound["downloadedProgramFilesFolder"] = true;  // from an earlier load
  mainWindow->loadWindow();
  EXPECT_TRUE(session.paths.folderFound["windowsTempFolder"]);
  EXPECT_FALSE(session.paths.folderFound["downloadedProgramFilesFolder"]);
}

TEST_F(MainWindowTest, AHostDiskWithMoreThanTwoTerabytesFreeLoadsWithoutAnError) {
  fake.disk.freeBytes = 3'000'000'000'000ULL;
  mainWindow->loadWindow();
  EXPECT_EQ(mainWindow->freeSpaceBefore, 3'000'000'000LL);
  EXPECT_TRUE(log().empty());
}

TEST_F(MainWindowTest, AMissingSearchToolIsLoggedAndNotAskedForAgain) {
  fake.files.deleteFile(folder() + "\\scoutry.exe");
  setIni("Inst", "Scoutry", "1");
  mainWindow->loadWindow();
  EXPECT_EQ(ini("Inst", "Scoutry"), "0");
  auto records = log();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].rfind("Load at line 3 - File not found (53)", 0), 0u) << records[0];
  EXPECT_EQ(windows.events.front(), "show Tervane 6.6");
}

TEST_F(MainWindowTest, TabStatesEnableTheirTabsAndFollowTheirBoxes) {
  setIni("Tab", "Opera", "0");
  mainWindow->loadWindow();
  EXPECT_FALSE(mainWindow->clean.areaTabs.tabEnabled(MainWindow::kOpera));
  EXPECT_FALSE(mainWindow->paths.areaTabs.tabEnabled(MainWindow::kOpera));
  EXPECT_TRUE(mainWindow->clean.areaTabs.tabEnabled(MainWindow::kNetscape));
  EXPECT_EQ(mainWindow->maintenance.operaTabBox.value(), 0);
  EXPECT_EQ(mainWindow->maintenance.netscapeTabBox.value(), 1);
  EXPECT_FALSE(mainWindow->clean.areaTabs.userSelected(MainWindow::kOpera));

  mainWindow->maintenance.operaTabBox.userClicked();
  EXPECT_TRUE(mainWindow->clean.areaTabs.tabEnabled(MainWindow::kOpera));
  EXPECT_TRUE(mainWindow->paths.areaTabs.tabEnabled(MainWindow::kOpera));
  EXPECT_EQ(session.tabOpera, "1");
  mainWindow->maintenance.ieTabBox.userClicked();
  EXPECT_FALSE(mainWindow->clean.areaTabs.tabEnabled(MainWindow::kIE));
  EXPECT_EQ(session.tabIE, "0");

  mainWindow->onNavigate(6);  // Quit
  EXPECT_EQ(ini("Tab", "Opera"), "1");
  EXPECT_EQ(ini("Tab", "IE"), "0");
}

TEST_F(MainWindowTest, UserDefinedListsReachTheirBoxesThroughTheirPositions) {
  setIni("UserDef", "UDvalue2", "1");
  setIni("UserDef", "UDname2", "Work files");
  setIni("UserDef", "UDvalue1", "1");
  setIni("UserDef", "UDname1", "Games");
  mainWindow->loadWindow();
  EXPECT_EQ(mainWindow->maintenance.userDefinedActiveBoxes[1].value(), 1);
  EXPECT_TRUE(mainWindow->maintenance.userDefinedNameBoxes[1].enabled());
  EXPECT_EQ(mainWindow->maintenance.userDefinedNameBoxes[1].text(), "Work files");
  EXPECT_TRUE(mainWindow->clean.userDefinedOptions[1].enabled());
  EXPECT_EQ(mainWindow->clean.userDefinedOptions[1].caption(), "Work files");
  // List 1 lives at position 4 of the Maintenance page.
  EXPECT_EQ(mainWindow->maintenance.userDefinedActiveBoxes[4].value(), 1);
  EXPECT_EQ(mainWindow->maintenance.userDefinedNameBoxes[4].text(), "Games");
  EXPECT_EQ(mainWindow->clean.userDefinedOptions[0].caption(), "Games");
  EXPECT_EQ(mainWindow->maintenance.userDefinedActiveBoxes[3].value(), 0);
  EXPECT_FALSE(mainWindow->maintenance.userDefinedNameBoxes[3].enabled());
  EXPECT_FALSE(mainWindow->clean.userDefinedOptions[3].enabled());
  EXPECT_EQ(mainWindow->clean.userDefinedOptions[3].caption(), "User Defined 4");
}

TEST_F(MainWindowTest, NavigationSwapsPicturesAndShowsPages) {
  mainWindow->loadWindow();
  EXPECT_TRUE(mainWindow->navigationToolbar.button(0).pressed);
  EXPECT_EQ(mainWindow->navigationToolbar.button(0).image, 9);
  mainWindow->navigationToolbar.click(1);  // Path
  EXPECT_EQ(mainWindow->pageTabs.tab(), MainWindow::Pages::indexOf<PathsPage>());
  EXPECT_EQ(mainWindow->navigationToolbar.button(0).image, 1);
  EXPECT_FALSE(mainWindow->navigationToolbar.button(0).pressed);
  EXPECT_EQ(mainWindow->navigationToolbar.button(1).image, 10);
  mainWindow->navigationToolbar.click(3);  // Statistics
  EXPECT_EQ(mainWindow->pageTabs.tab(), MainWindow::Pages::indexOf<StatisticsPage>());
  EXPECT_EQ(mainWindow->navigationToolbar.button(1).image, 2);
  EXPECT_EQ(mainWindow->navigationToolbar.button(3).image, 12);
  mainWindow->navigationToolbar.click(4);
  EXPECT_EQ(mainWindow->pageTabs.tab(), MainWindow::Pages::indexOf<HelpPage>());
  mainWindow->navigationToolbar.click(5);
  EXPECT_EQ(mainWindow->pageTabs.tab(), MainWindow::Pages::indexOf<AboutPage>());
  mainWindow->navigationToolbar.click(2);
  EXPECT_EQ(mainWindow->pageTabs.tab(), MainWindow::Pages::indexOf<MaintenancePage>());
  int highlighted = 0;
  for (const auto& b : mainWindow->navigationToolbar.buttons()) highlighted += b.image > 8;
  EXPECT_EQ(highlighted, 1);
  EXPECT_TRUE(windows.isOpen(*mainWindow));
}

TEST_F(MainWindowTest, OnlyQuitWritesTheListNamesAndTabs) {
  mainWindow->loadWindow();
  session.UDname[0] = "Renamed";
  session.tabNetscape = "0";
  mainWindow->clean.operaOptions[3].setValue(0);
  mainWindow->clean.windowsOptions[3].setValue(1);
  windows.close(*mainWindow);  // the close box
  EXPECT_EQ(ini("UserDef", "UDname1"), "User Defined 1");
  EXPECT_EQ(ini("Tab", "Netscape"), "1");
  EXPECT_EQ(ini("Rensa", "Value13"), "0");
  EXPECT_EQ(ini("Rensa", "Value17"), "1");

  makeWindow();
  mainWindow->loadWindow();
  session.UDname[0] = "Renamed";
  mainWindow->navigationToolbar.click(6);  // Quit
  EXPECT_EQ(ini("UserDef", "UDname1"), "Renamed");
  EXPECT_FALSE(windows.isOpen(*mainWindow));
}

TEST_F(MainWindowTest, UnloadWritesOptionsScheduleStatisticsAndClosesOtherWindows) {
  mainWindow->loadWindow();
  mainWindow->maintenance.autoDayBox.setListIndex(7);
  mainWindow->maintenance.autoCleanAreaBox.setListIndex(2);
  mainWindow->maintenance.safetyLevelSlider.setValue(5);
  mainWindow->maintenance.closeAfterCleaningBox.setValue(1);
  session.statisticsSlot = 3;
  mainWindow->statistics.recoveredSpaceChart.setRow(1, "01.05.2001 09:00:00", "2048");
  mainWindow->statistics.recoveredSpaceChart.setRow(2, "02.05.2001 09:00:00", "12.5");
  ui::WindowModel history("History");
  windows.show(history);
  windows.close(*mainWindow);
  EXPECT_FALSE(windows.isOpen(history));
  EXPECT_EQ(ini("Automatic", "Day"), "7");
  EXPECT_EQ(ini("Automatic", "Clean"), "2");
  EXPECT_EQ(ini("Inst", "Safetylevel"), "5");
  EXPECT_EQ(ini("Inst", "AutomaticClose"), "1");
  EXPECT_EQ(ini("Statistics", "Current"), "3");
  EXPECT_EQ(ini("Statistics", "Size1"), "2048");
  EXPECT_EQ(ini("Statistics", "Date2"), "02.05.2001 09:00:00");
  EXPECT_EQ(ini("Statistics", "Size4"), "");
  for (int k = 1; k <= 25; ++k) EXPECT_NE(ini("Rensa", "Value" + std::to_string(k)), "") << k;
}

TEST_F(MainWindowTest, SettingsThatCannotBeSavedAtQuitOrTheCloseBoxAreAskedAbout) {
  const std::string before = fake.files.contents(mainten());
  fake.files.writeFault = [](const std::string& path) {
    return path.find("mainten.ini") != std::string::npos ? platform::err::kDiskFull
                                                         : platform::err::kSuccess;
  };
  for (bool quitButton : {true, false}) {
    windows.show(*mainWindow);
    mainWindow->loadWindow();
    session.UDname[0] = "Renamed";
    mainWindow->maintenance.safetyLevelSlider.setValue(5);
    const auto press = [&] {
      if (quitButton)
        mainWindow->navigationToolbar.click(6);
      else
        windows.pressCloseBox(*mainWindow);
    };
    prompter.shown.clear();
    prompter.answers = {ui::Answer::No};  // stay, and try again later
    press();
    EXPECT_TRUE(windows.isOpen(*mainWindow)) << quitButton;
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_NE(prompter.shown[0].text.find("The settings could not be saved: the disk is full."),
              std::string::npos)
        << prompter.shown[0].text;
    EXPECT_NE(prompter.shown[0].text.find("Quit without saving them?"), std::string::npos);
    prompter.answers = {ui::Answer::Yes};
    press();
    EXPECT_FALSE(windows.isOpen(*mainWindow));
    EXPECT_EQ(fake.files.contents(mainten()), before);
    makeWindow();
  }
  const std::string logged = fake.files.contents(folder() + "\\vorn.log");
  EXPECT_NE(logged.find("mainten.ini could not be saved: the disk is full"), std::string::npos)
      << logged;
}

TEST_F(MainWindowTest, AreaSwitchesKeepTheBoxStates) {
  mainWindow->loadWindow();
  mainWindow->clean.netscapeOptions[2].setValue(1);
  mainWindow->clean.setAreaAvailable(area::kNetscape, false);
  EXPECT_TRUE(mainWindow->clean.netscapeMissingLabel.visible());
  EXPECT_FALSE(mainWindow->clean.cleanNetscapeToolbar.enabled());
  EXPECT_FALSE(mainWindow->clean.cleanNetscapeToolbar.click(0));
  for (auto& b : mainWindow->clean.netscapeOptions) EXPECT_FALSE(b.enabled());
  mainWindow->clean.setAreaAvailable(area::kNetscape, true);
  EXPECT_FALSE(mainWindow->clean.netscapeMissingLabel.visible());
  EXPECT_EQ(mainWindow->clean.netscapeOptions[2].value(), 1);
  EXPECT_EQ(mainWindow->clean.netscapeOptions[0].value(), 1);
  mainWindow->clean.setFolderFound("windowsTempFolder", false);
  mainWindow->clean.setFolderFound("downloadedProgramFilesFolder", false);
  EXPECT_FALSE(mainWindow->clean.windowsOptions[2].enabled());
  EXPECT_FALSE(mainWindow->clean.windowsOptions[1].enabled());
  EXPECT_TRUE(mainWindow->clean.windowsOptions[0].enabled());
  mainWindow->clean.setAreaAvailable(area::kIE, false);
  EXPECT_TRUE(mainWindow->clean.ieMissingLabel.visible());
  mainWindow->clean.setAreaAvailable(area::kIE, true);
  EXPECT_TRUE(mainWindow->clean.cleanIEToolbar.click(0));
  EXPECT_THAT(events, ::testing::Contains("cleanIE"));
}

TEST_F(MainWindowTest, CommandsOfTheToolbarsAndPages) {
  mainWindow->loadWindow();
  events.clear();
  mainWindow->clean.cleanAllToolbars[3].click(0);
  mainWindow->paths.detectAllToolbars[0].click(0);
  EXPECT_THAT(events, ElementsAre("cleanAll", "detectIEPaths", "detectWindowsPaths",
                                  "detectNetscapePaths", "detectOperaPaths", "saveIEPaths",
                                  "saveNetscapePaths", "saveOperaPaths", "saveWindowsPaths"));
  events.clear();
  mainWindow->paths.detectOperaToolbar.click(0);
  mainWindow->paths.detectIEToolbar.click(0);
  EXPECT_THAT(events,
              ElementsAre("detectOperaPaths", "saveOperaPaths", "detectIEPaths", "saveIEPaths"));

  fake.files.addFile(folder() + "\\faq.htm", "<html></html>");
  mainWindow->ownerHandle = 0x1234;
  mainWindow->help.faqButton.click();
  mainWindow->help.helpFileButton.click();  // vorn.htm is missing: not reported
  mainWindow->about.homePageLink.click();
  mainWindow->maintenance.searchIndexFilesButton.click();
  ASSERT_EQ(fake.processes.shellCalls.size(), 2u);
  EXPECT_EQ(fake.processes.shellCalls[0].verb, "Open");
  EXPECT_EQ(fake.processes.shellCalls[0].file, folder() + "\\faq.htm");
  EXPECT_EQ(fake.processes.shellCalls[0].folder, folder());
  EXPECT_EQ(fake.processes.shellCalls[0].owner, 0x1234u);
  EXPECT_EQ(fake.processes.shellCalls[1].file, "http://www.tervane.example/");
  EXPECT_TRUE(prompter.shown.empty());
  // The Maintenance page's search starts scoutry and does not wait for it.
  EXPECT_EQ(fake.processes.events.back(), "start \"" + folder() + "\\scoutry.exe\"");
}

TEST_F(MainWindowTest, TheNoticeStaysOffOnceTickedEvenIfUntickedAgain) {
  setIni("Inst", "Showtip", "1");
  windows.whileModal["Notice!"] = [this](ui::WindowModel&) {
    mainWindow->noticeDialog.doNotPromptBox.userClicked();
    mainWindow->noticeDialog.doNotPromptBox.userClicked();
    mainWindow->noticeDialog.okButton.click();
  };
  mainWindow->loadWindow();
  EXPECT_EQ(ini("Inst", "Showtip"), "0");
  EXPECT_FALSE(mainWindow->showNotice);

  makeWindow();
  mainWindow->loadWindow();
  EXPECT_EQ(std::count(windows.events.begin(), windows.events.end(), "modal Notice!"), 1);
}

TEST_F(MainWindowTest, TheNoticeComesBackWhenClosedWithOK) {
  setIni("Inst", "Showtip", "1");
  windows.whileModal["Notice!"] = [this](ui::WindowModel&) {
    mainWindow->noticeDialog.okButton.click();
  };
  mainWindow->loadWindow();
  EXPECT_EQ(ini("Inst", "Showtip"), "1");
  makeWindow();
  mainWindow->loadWindow();
  EXPECT_EQ(std::count(windows.events.begin(), windows.events.end(), "modal Notice!"), 2);
}

TEST(FreeSpaceKB, ExtendedAndClassicQueries) {
  platform::fake::FakeDisk disk;
  disk.freeBytes = 1'234'567;
  EXPECT_EQ(freeSpaceKB(disk, true, "D:\\"), "1234.567");
  EXPECT_EQ(disk.calls.back(), "ex C:\\");
  disk.freeBytes = 2'000'500;
  EXPECT_EQ(freeSpaceKB(disk, true, "C:\\"), "2000.5");
  disk.freeBytes = 5'000'000'000;
  EXPECT_EQ(freeSpaceKB(disk, true, ""), "5000000");
  disk.classic = {8, 512, 1'500'000, 2'000'000};  // 6 GB: past the 32-bit product
  EXPECT_EQ(freeSpaceKB(disk, false, "c:\\"), "6000000");
  EXPECT_EQ(disk.calls.back(), "classic c:\\");
  EXPECT_EQ(freeSpaceKB(disk, false, ""), "");
  EXPECT_EQ(freeSpaceKB(disk, false, "Q:\\"), "0");
  disk.hasExtendedQuery = false;
  EXPECT_FALSE(probeExtendedFreeSpace(disk));
}

}  // namespace
}  // namespace vorn::testing
