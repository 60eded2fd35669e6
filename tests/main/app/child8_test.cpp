#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "main/app/free_space.h"
#include "tests/main/app/app_fixture.h"

namespace vorn::testing {
namespace {

using ::testing::ElementsAre;

class Child8Test : public ::testing::Test, public AppFixture {
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

TEST_F(Child8Test, LoadRunsTheOtherSubsystemsInTheirFixedOrder) {
  setIni("Path", "Detect", "0");
  setIni("Inst", "Scoutry", "1");
  setIni("Inst", "Showtip", "1");
  setIni("Inst", "Autostart", "1");
  fake.processes.onStart = [this](const std::string& line) {
    events.push_back("start " + platform::commandProgram(line));
  };
  child8->Form_Load();
  // The wait on scoutry is recorded by the fake; keep the order of both streams.
  ASSERT_EQ(fake.processes.started.size(), 1u);
  EXPECT_EQ(fake.processes.started[0].commandLine, "\"" + folder() + "\\scoutry.exe\"");
  EXPECT_EQ(fake.processes.started[0].showStyle, platform::show::kNormal);
  EXPECT_THAT(fake.processes.events,
              ElementsAre(::testing::StartsWith("start"), ::testing::StartsWith("wait")));
  EXPECT_THAT(events, ElementsAre("findPath", "start " + folder() + "\\scoutry.exe", "fixPlugins",
                                  "Check7", "fixUserDef", "fixPath", "fixSliderSettings",
                                  "listCookiestoSave", "getStatistics"));
  EXPECT_THAT(windows.events, ElementsAre("show Tervane 6.6", "modal Notice!", "close Notice!"));
  EXPECT_EQ(ini("Path", "Detect"), "1");
  EXPECT_EQ(ini("Inst", "Scoutry"), "0");
  EXPECT_TRUE(log().empty()) << log().front();
}

TEST_F(Child8Test, LoadAppliesStoredStateToTheWindow) {
  setIni("Senast", "Value1", "12.04.2001 10:15:00");
  setIni("Automatic", "Day", "3");
  setIni("Automatic", "Minute", "2");
  setIni("Inst", "Safetylevel", "4");
  fake.files.addFile("C:\\WINDOWS\\Cookies\\user@site[1].txt", "c");
  fake.disk.freeBytes = 123'456'789;
  child8->Form_Load();
  EXPECT_EQ(child8->StatusBar1.simpleText(),
            "This computer was last cleaned at: 12.04.2001 10:15:00");
  EXPECT_EQ(child8->cboDay.text(), "3");
  EXPECT_EQ(child8->cboMinute.text(), "15");
  EXPECT_EQ(child8->cboHour.text(), "1");
  EXPECT_EQ(child8->cboClean.text(), "All");
  EXPECT_EQ(child8->cboDay.listCount(), 31);
  EXPECT_EQ(child8->cboHour.listCount(), 24);
  EXPECT_EQ(child8->Slider1.value(), 4);
  EXPECT_EQ(child8->Label42.caption(), "http://www.tervane.example/");
  EXPECT_EQ(child8->Label40.caption(), "support@tervane.example");
  EXPECT_FALSE(child8->Label60.visible());
  EXPECT_FALSE(child8->Label61.visible());
  EXPECT_FALSE(child8->Label62.visible());
  EXPECT_THAT(child8->File4.items(), ElementsAre("user@site[1].txt"));
  // 123456.789 KB, rounded to a whole number.
  EXPECT_EQ(child8->freeSpaceBefore, 123457);
  EXPECT_EQ(child8->freeSpaceAfter, 123457);
  EXPECT_EQ(session.paths.windowsFolder, "C:\\WINDOWS\\");
  EXPECT_EQ(session.paths.IE3, "C:\\WINDOWS\\Cookies\\");
  EXPECT_TRUE(session.found.IE3);
  EXPECT_FALSE(session.found.IE1);
  EXPECT_EQ(session.paths.netscapeProfile, "-Error");
  for (int i = 0; i < Child8::kOptionBoxes; ++i)
    EXPECT_EQ(child8->optionBox(i).value(),
              std::stoi(ini("Rensa", "Value" + std::to_string(i + 1))))
        << "Value" << i + 1;
}

TEST_F(Child8Test, AMissingOptionValueKeepsItsBoxAndLogsOneLine) {
  child8->chkIE[2].setValue(1);
  child8->chkIE[3].setValue(0);
  removeIniKey("Rensa", "Value3");
  ASSERT_EQ(ini("Rensa", "Value3"), "");
  child8->Form_Load();
  EXPECT_EQ(child8->chkIE[2].value(), 1);
  EXPECT_EQ(child8->chkIE[3].value(), 1);
  EXPECT_THAT(log(), ElementsAre("fixCleanInfo at line 3 - Type mismatch (13)"));
}

TEST_F(Child8Test, MissingSettingsAreLoggedUnderTheirProcedureAndTheLoadCompletes) {
  removeIniKey("Automatic", "Hour");
  removeIniKey("Inst", "AutomaticClose");
  setIni("Path", "IE3", "C:\\Nowhere\\");
  child8->Form_Load();
  auto records = log();
  // Steps count from 0; loadSettings jumps by 100 before the path detection.
  EXPECT_THAT(records, ElementsAre("Initialize at line 107 - Type mismatch (13)",
                                   "Load at line 8 - Type mismatch (13)",
                                   "sIECookies in Load C:\\Nowhere\\ at line 11 -  (0)"));
  EXPECT_EQ(child8->cboHour.listIndex(), 0);
  // The rest of the load still ran.
  EXPECT_THAT(events, ::testing::Contains("getStatistics"));
}

TEST_F(Child8Test, LoadSetsTheWindowsAreaFlagsFromTheStoredFolders) {
  fake.files.addFolder("C:\\TEMP");
  setIni("Path", "Win2", "C:\\TEMP\\");
  setIni("Path", "Win3", "C:\\Gone\\");
  session.paths.winDownloadedAvailable = true;  // from an earlier load
  child8->Form_Load();
  EXPECT_TRUE(session.paths.winTempAvailable);
  EXPECT_FALSE(session.paths.winDownloadedAvailable);
}

TEST_F(Child8Test, AHostDiskWithMoreThanTwoTerabytesFreeLoadsWithoutAnError) {
  fake.disk.freeBytes = 3'000'000'000'000ULL;
  child8->Form_Load();
  EXPECT_EQ(child8->freeSpaceBefore, 3'000'000'000LL);
  EXPECT_TRUE(log().empty());
}

TEST_F(Child8Test, AMissingSearchToolIsLoggedAndNotAskedForAgain) {
  fake.files.deleteFile(folder() + "\\scoutry.exe");
  setIni("Inst", "Scoutry", "1");
  child8->Form_Load();
  EXPECT_EQ(ini("Inst", "Scoutry"), "0");
  auto records = log();
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].rfind("Load at line 3 - File not found (53)", 0), 0u) << records[0];
  EXPECT_EQ(windows.events.front(), "show Tervane 6.6");
}

TEST_F(Child8Test, TabStatesEnableTheirTabsAndFollowTheirBoxes) {
  setIni("Tab", "Opera", "0");
  child8->Form_Load();
  EXPECT_FALSE(child8->SSTab2.tabEnabled(Child8::kOpera));
  EXPECT_FALSE(child8->SSTab3.tabEnabled(Child8::kOpera));
  EXPECT_TRUE(child8->SSTab2.tabEnabled(Child8::kNetscape));
  EXPECT_EQ(child8->Check4.value(), 0);
  EXPECT_EQ(child8->Check3.value(), 1);
  EXPECT_FALSE(child8->SSTab2.userSelected(Child8::kOpera));

  child8->Check4.userClicked();
  EXPECT_TRUE(child8->SSTab2.tabEnabled(Child8::kOpera));
  EXPECT_TRUE(child8->SSTab3.tabEnabled(Child8::kOpera));
  EXPECT_EQ(session.tabOpera, "1");
  child8->Check2.userClicked();
  EXPECT_FALSE(child8->SSTab2.tabEnabled(Child8::kIE));
  EXPECT_EQ(session.tabIE, "0");

  child8->Toolbar1ButtonClick(6);  // Quit
  EXPECT_EQ(ini("Tab", "Opera"), "1");
  EXPECT_EQ(ini("Tab", "IE"), "0");
}

TEST_F(Child8Test, UserDefinedListsReachTheirBoxesThroughTheirPositions) {
  setIni("UserDef", "UDvalue2", "1");
  setIni("UserDef", "UDname2", "Work files");
  setIni("UserDef", "UDvalue1", "1");
  setIni("UserDef", "UDname1", "Games");
  child8->Form_Load();
  EXPECT_EQ(child8->Check1[1].value(), 1);
  EXPECT_TRUE(child8->Text1[1].enabled());
  EXPECT_EQ(child8->Text1[1].text(), "Work files");
  EXPECT_TRUE(child8->chkEgendef[1].enabled());
  EXPECT_EQ(child8->chkEgendef[1].caption(), "Work files");
  // List 1 lives at position 4 of the Maintenance page.
  EXPECT_EQ(child8->Check1[4].value(), 1);
  EXPECT_EQ(child8->Text1[4].text(), "Games");
  EXPECT_EQ(child8->chkEgendef[0].caption(), "Games");
  EXPECT_EQ(child8->Check1[3].value(), 0);
  EXPECT_FALSE(child8->Text1[3].enabled());
  EXPECT_FALSE(child8->chkEgendef[3].enabled());
  EXPECT_EQ(child8->chkEgendef[3].caption(), "User Defined 4");
}

TEST_F(Child8Test, NavigationSwapsPicturesAndShowsPages) {
  child8->Form_Load();
  EXPECT_TRUE(child8->Toolbar1.button(0).pressed);
  EXPECT_EQ(child8->Toolbar1.button(0).image, 9);
  child8->Toolbar1.click(1);  // Path
  EXPECT_EQ(child8->SSTab1.tab(), Child8::kPath);
  EXPECT_EQ(child8->Toolbar1.button(0).image, 1);
  EXPECT_FALSE(child8->Toolbar1.button(0).pressed);
  EXPECT_EQ(child8->Toolbar1.button(1).image, 10);
  child8->Toolbar1.click(3);  // Statistics
  EXPECT_EQ(child8->SSTab1.tab(), Child8::kStatistics);
  EXPECT_EQ(child8->Toolbar1.button(1).image, 2);
  EXPECT_EQ(child8->Toolbar1.button(3).image, 12);
  child8->Toolbar1.click(4);
  EXPECT_EQ(child8->SSTab1.tab(), Child8::kHelp);
  child8->Toolbar1.click(5);
  EXPECT_EQ(child8->SSTab1.tab(), Child8::kAbout);
  child8->Toolbar1.click(2);
  EXPECT_EQ(child8->SSTab1.tab(), Child8::kMaintenance);
  int highlighted = 0;
  for (const auto& b : child8->Toolbar1.buttons()) highlighted += b.image > 8;
  EXPECT_EQ(highlighted, 1);
  EXPECT_TRUE(windows.isOpen(*child8));
}

TEST_F(Child8Test, OnlyQuitWritesTheListNamesAndTabs) {
  child8->Form_Load();
  session.UDname[0] = "Renamed";
  session.tabNetscape = "0";
  child8->chkOpera[3].setValue(0);
  child8->chkWindows[3].setValue(1);
  windows.close(*child8);  // the close box
  EXPECT_EQ(ini("UserDef", "UDname1"), "User Defined 1");
  EXPECT_EQ(ini("Tab", "Netscape"), "1");
  EXPECT_EQ(ini("Rensa", "Value13"), "0");
  EXPECT_EQ(ini("Rensa", "Value17"), "1");

  makeWindow();
  child8->Form_Load();
  session.UDname[0] = "Renamed";
  child8->Toolbar1.click(6);  // Quit
  EXPECT_EQ(ini("UserDef", "UDname1"), "Renamed");
  EXPECT_FALSE(windows.isOpen(*child8));
}

TEST_F(Child8Test, UnloadWritesOptionsScheduleStatisticsAndClosesOtherWindows) {
  child8->Form_Load();
  child8->cboDay.setListIndex(7);
  child8->cboClean.setListIndex(2);
  child8->Slider1.setValue(5);
  child8->chkAvsluta.setValue(1);
  session.statisticsSlot = 3;
  child8->MSChart1.setRow(1, "01.05.2001 09:00:00", "2048");
  child8->MSChart1.setRow(2, "02.05.2001 09:00:00", "12.5");
  ui::WindowModel history("History");
  windows.show(history);
  windows.close(*child8);
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

TEST_F(Child8Test, AreaSwitchesKeepTheBoxStates) {
  child8->Form_Load();
  child8->chkNetscape[2].setValue(1);
  child8->disableNetscape();
  EXPECT_TRUE(child8->Label60.visible());
  EXPECT_FALSE(child8->Toolbar15.enabled());
  EXPECT_FALSE(child8->Toolbar15.click(0));
  for (auto& b : child8->chkNetscape) EXPECT_FALSE(b.enabled());
  child8->enableNetscape();
  EXPECT_FALSE(child8->Label60.visible());
  EXPECT_EQ(child8->chkNetscape[2].value(), 1);
  EXPECT_EQ(child8->chkNetscape[0].value(), 1);
  child8->disableWinTemp();
  child8->disableWinDownloaded();
  EXPECT_FALSE(child8->chkWindows[2].enabled());
  EXPECT_FALSE(child8->chkWindows[1].enabled());
  EXPECT_TRUE(child8->chkWindows[0].enabled());
  child8->disableIE();
  EXPECT_TRUE(child8->Label62.visible());
  child8->enableIE();
  EXPECT_TRUE(child8->Toolbar14.click(0));
  EXPECT_THAT(events, ::testing::Contains("cmdRensaIE"));
}

TEST_F(Child8Test, CommandsOfTheToolbarsAndPages) {
  child8->Form_Load();
  events.clear();
  child8->Toolbar19[3].click(0);
  child8->Toolbar2[0].click(0);
  EXPECT_THAT(events, ElementsAre("Command25", "cmdIEHitta", "Command14", "Command10", "Command12",
                                  "cmdIESpara", "Command11", "Command13", "Command15"));
  events.clear();
  child8->Toolbar8.click(0);
  child8->Toolbar7.click(0);
  EXPECT_THAT(events, ElementsAre("Command12", "Command13", "cmdIEHitta", "cmdIESpara"));

  fake.files.addFile(folder() + "\\faq.htm", "<html></html>");
  child8->ownerHandle = 0x1234;
  child8->Command24.click();
  child8->Command22.click();  // vorn.htm is missing: not reported
  child8->Label42.click();
  child8->Command29.click();
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

TEST_F(Child8Test, TheNoticeStaysOffOnceTickedEvenIfUntickedAgain) {
  setIni("Inst", "Showtip", "1");
  windows.whileModal["Notice!"] = [this](ui::WindowModel&) {
    child8->frmTip1.chkLoadTipsAtStartup.userClicked();
    child8->frmTip1.chkLoadTipsAtStartup.userClicked();
    child8->frmTip1.cmdOK.click();
  };
  child8->Form_Load();
  EXPECT_EQ(ini("Inst", "Showtip"), "0");
  EXPECT_FALSE(child8->showNotice);

  makeWindow();
  child8->Form_Load();
  EXPECT_EQ(std::count(windows.events.begin(), windows.events.end(), "modal Notice!"), 1);
}

TEST_F(Child8Test, TheNoticeComesBackWhenClosedWithOK) {
  setIni("Inst", "Showtip", "1");
  windows.whileModal["Notice!"] = [this](ui::WindowModel&) { child8->frmTip1.cmdOK.click(); };
  child8->Form_Load();
  EXPECT_EQ(ini("Inst", "Showtip"), "1");
  makeWindow();
  child8->Form_Load();
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
