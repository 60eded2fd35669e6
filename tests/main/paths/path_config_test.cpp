// The Path page on the fake platform: a Windows 98 style C: drive with the three
// browsers' folders, the known folders the fake shell reports, scripted message boxes
// and folder picker.
#include "main/paths/path_config.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/main/app/app_fixture.h"

namespace vorn {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class PathConfigTest : public ::testing::Test, public testing::AppFixture {
 protected:
  PathConfigTest() {
    for (const char* f :
         {"C:\\WINDOWS\\History", "C:\\WINDOWS\\Temporary Internet Files\\Content.IE5",
          "C:\\WINDOWS\\Cookies", "C:\\WINDOWS\\Recent", "C:\\WINDOWS\\Temp",
          "C:\\WINDOWS\\Downloaded Program Files",
          "C:\\Program Files\\Netscape\\Users\\default\\Cache",
          "C:\\Program Files\\Netscape\\Users\\jane\\Cache", "C:\\Program Files\\Opera\\Cache4"})
      fake.files.addFolder(f);
    session.paths.windowsFolder = "C:\\WINDOWS\\";
    session.paths.programFilesFolder = "C:\\Program Files\\";
    window = std::make_unique<MainWindow>(services);
    paths = std::make_unique<PathConfig>(*window);
    paths->wire();
  }

  std::string ini(const std::string& key) {
    return settings.getini("Path", key, session.mainten());
  }
  std::string logText() { return fake.files.contents(session.programFolder + "\\vorn.log"); }

  std::unique_ptr<MainWindow> window;
  std::unique_ptr<PathConfig> paths;
  PathValues& p = session.paths;
};

TEST_F(PathConfigTest, FirstStartDetectsSavesEverythingAndMarksDetectionDone) {
  paths->findPath();
  EXPECT_EQ(ini("IE1"), "C:\\WINDOWS\\History\\");
  EXPECT_EQ(ini("IE2"), "C:\\WINDOWS\\Temporary Internet Files\\");
  EXPECT_EQ(ini("IE3"), "C:\\WINDOWS\\Cookies\\");
  EXPECT_EQ(ini("IE4"), "C:\\WINDOWS\\Temporary Internet Files\\Content.ie5\\");
  EXPECT_EQ(ini("Netscape1A"), "C:\\Program Files\\Netscape\\Users\\");
  EXPECT_EQ(ini("Netscape1B"), "0");
  EXPECT_EQ(ini("Netscape1C"), "default");
  EXPECT_EQ(ini("Netscape2"), "C:\\Program Files\\Netscape\\Users\\default\\Cache\\");
  EXPECT_EQ(ini("Opera1"), "C:\\Program Files\\Opera\\");
  EXPECT_EQ(ini("Opera2"), "C:\\Program Files\\Opera\\Cache4\\");
  EXPECT_EQ(ini("Win1"), "C:\\WINDOWS\\Recent\\");
  EXPECT_EQ(ini("Win2"), "C:\\WINDOWS\\Temp\\");
  EXPECT_EQ(ini("Win3"), "C:\\WINDOWS\\Downloaded Program Files\\");
  EXPECT_EQ(ini("Detect"), "1");
  EXPECT_TRUE(p.ieAvailable && p.netscapeAvailable && p.operaAvailable &&
              p.folderFound["windowsTempFolder"] && p.folderFound["downloadedProgramFilesFolder"]);
  EXPECT_FALSE(window->clean.ieMissingLabel.visible());
  EXPECT_FALSE(window->clean.windowsPathsMissingLabel.visible());
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(logText(), "");
}

TEST_F(PathConfigTest, ASaveThatFailsIsToldOncePerSaveAndLoggedPerValue) {
  paths->findPath();
  fake.files.writeFault = [](const std::string& path) {
    return path.find("mainten.ini") != std::string::npos ? platform::err::kDiskFull
                                                         : platform::err::kSuccess;
  };
  for (int save = 1; save <= 2; ++save) {
    paths->saveArea(area::kIE);
    ASSERT_EQ(prompter.shown.size(), static_cast<std::size_t>(save));
    EXPECT_EQ(
        prompter.shown.back().text.rfind("The folders could not be saved: the disk is full.", 0),
        0u);
  }
  EXPECT_NE(logText().find("mainten.ini could not be saved: the disk is full"), std::string::npos);
}

TEST_F(PathConfigTest, MissingBrowsersShowDashesAndSwitchTheirAreasOff) {
  fake.shell.folders.erase(platform::csidl::kHistory);
  p.programFilesFolder = "C:\\WINDOWS\\";  // no Netscape or Opera under either folder
  fake.files.removeDirectory("C:\\Program Files\\Opera\\Cache4");
  fake.files.removeDirectory("C:\\Program Files\\Opera");
  paths->detectAllPaths();
  EXPECT_EQ(window->paths.ieHistoryFolderBox.text(), "-");
  EXPECT_FALSE(p.ieAvailable);
  EXPECT_TRUE(window->clean.ieMissingLabel.visible());
  EXPECT_FALSE(window->clean.ieOptions[0].enabled());
  EXPECT_EQ(ini("IE1"), "");  // a missing IE folder writes nothing
  EXPECT_EQ(ini("IE2"), "C:\\WINDOWS\\Temporary Internet Files\\");
  // Netscape is still found in the fixed candidate "C:\Program Files\Netscape\Users\".
  EXPECT_TRUE(p.netscapeAvailable);
  EXPECT_EQ(window->paths.operaUserFolderBox.text(), "-");
  EXPECT_EQ(ini("Opera1"), "-");
  EXPECT_FALSE(p.operaAvailable);
  EXPECT_TRUE(window->clean.operaMissingLabel.visible());
  EXPECT_EQ(ini("Detect"), "");  // detecting everything by hand does not touch Detect
}

TEST_F(PathConfigTest, ARemovedHistoryFolderKeepsTheStoredKey) {
  paths->findPath();
  fake.files.addFile("C:\\WINDOWS\\History\\keep");  // not empty: remove by hand below
  fake.files.deleteFile("C:\\WINDOWS\\History\\keep");
  fake.files.removeDirectory("C:\\WINDOWS\\History");
  paths->saveArea(area::kIE);
  EXPECT_EQ(window->paths.ieHistoryFolderBox.text(), "-");
  EXPECT_FALSE(p.ieAvailable);
  EXPECT_TRUE(window->clean.ieMissingLabel.visible());
  EXPECT_FALSE(window->clean.cleanIEToolbar.enabled());
  EXPECT_EQ(ini("IE1"), "C:\\WINDOWS\\History\\");
  EXPECT_EQ(p.ieHistoryFolder, "C:\\WINDOWS\\History\\");
}

TEST_F(PathConfigTest, OperaAndWindowsGroupsStoreDashesForMissingFolders) {
  paths->findPath();
  fake.files.removeDirectory("C:\\Program Files\\Opera\\Cache4");
  paths->saveArea(area::kOpera);
  EXPECT_EQ(ini("Opera2"), "-");
  EXPECT_FALSE(p.operaAvailable);
  EXPECT_TRUE(window->clean.operaMissingLabel.visible());

  fake.files.removeDirectory("C:\\WINDOWS\\Temp");
  paths->saveArea(area::kWindows);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Windows Temporary Files path does not exist");
  EXPECT_EQ(prompter.shown[0].title, "Info");
  EXPECT_EQ(ini("Win2"), "-");
  EXPECT_FALSE(p.folderFound["windowsTempFolder"]);
  EXPECT_TRUE(p.folderFound["downloadedProgramFilesFolder"]);
  EXPECT_TRUE(window->clean.windowsPathsMissingLabel.visible());
}

TEST_F(PathConfigTest, SystemFoldersAreRefusedAndThePreviousValueKept) {
  paths->findPath();
  fake.files.addFolder("C:\\WINDOWS\\SYSTEM");
  window->paths.windowsDownloadedFolderBox.setText("C:\\");
  window->paths.windowsTempFolderBox.setText("c:\\windows\\");
  window->paths.windowsDocHistoryFolderBox.setText("C:\\WINDOWS\\Recent\\");
  paths->saveArea(area::kWindows);
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text, "c:\\windows\\ is a system folder and cannot be cleaned");
  EXPECT_EQ(prompter.shown[1].text, "C:\\ is a system folder and cannot be cleaned");
  EXPECT_EQ(window->paths.windowsTempFolderBox.text(), "C:\\WINDOWS\\Temp\\");
  EXPECT_EQ(window->paths.windowsDownloadedFolderBox.text(),
            "C:\\WINDOWS\\Downloaded Program Files\\");
  EXPECT_EQ(p.windowsTempFolder, "C:\\WINDOWS\\Temp\\");
  EXPECT_EQ(ini("Win2"), "C:\\WINDOWS\\Temp\\");
  EXPECT_EQ(ini("Win3"), "C:\\WINDOWS\\Downloaded Program Files\\");
  EXPECT_TRUE(p.folderFound["windowsTempFolder"] && p.folderFound["downloadedProgramFilesFolder"]);

  // Every group refuses them; a folder inside one is an ordinary folder.
  window->paths.ieCacheFolderBox.setText("C:\\WINDOWS\\SYSTEM\\");
  window->paths.operaCacheFolderBox.setText("C:\\Program Files\\");
  window->paths.netscapeCacheFolderBox.setText("C:\\WINDOWS\\Temp\\..\\");
  paths->saveArea(area::kIE);
  paths->saveArea(area::kOpera);
  paths->saveArea(area::kNetscape);
  EXPECT_EQ(prompter.shown.size(), 5u);
  EXPECT_EQ(ini("IE2"), "C:\\WINDOWS\\Temporary Internet Files\\");
  EXPECT_EQ(ini("Opera2"), "C:\\Program Files\\Opera\\Cache4\\");
  EXPECT_EQ(ini("Netscape2"), "C:\\Program Files\\Netscape\\Users\\default\\Cache\\");
  EXPECT_EQ(window->paths.operaCacheFolderBox.text(), "C:\\Program Files\\Opera\\Cache4\\");
  EXPECT_TRUE(p.ieAvailable && p.operaAvailable && p.netscapeAvailable);
  window->paths.operaCacheFolderBox.setText("C:\\Program Files\\Opera\\");
  paths->saveArea(area::kOpera);
  EXPECT_EQ(prompter.shown.size(), 5u);
  EXPECT_EQ(ini("Opera2"), "C:\\Program Files\\Opera\\");
}

TEST_F(PathConfigTest, UserListSkipsDriveRootsAndListsFilesToo) {
  fake.files.addFile("C:\\Program Files\\Netscape\\Users\\notes.txt");
  paths->fillUserCombo("C:\\Program Files\\Netscape\\Users\\");
  EXPECT_THAT(window->paths.netscapeUserBox.items(), ElementsAre("default", "jane", "notes.txt"));
  EXPECT_EQ(window->paths.netscapeUserBox.listIndex(), 0);
  paths->fillUserCombo("C:\\");
  EXPECT_EQ(window->paths.netscapeUserBox.listCount(), 0);
  paths->fillUserCombo("c:\\");
  EXPECT_THAT(window->paths.netscapeUserBox.items(), ::testing::Contains("WINDOWS"));
}

TEST_F(PathConfigTest, AnEmptyUserSavesMinusOneAndError) {
  fake.files.addFolder("C:\\Netscape\\Users");
  window->paths.netscapeProfileFolderBox.setText("C:\\Netscape\\Users\\");
  EXPECT_EQ(window->paths.netscapeUserBox.listCount(), 0);
  window->paths.saveNetscapeButton.click();
  EXPECT_EQ(ini("Netscape1B"), "-1");
  EXPECT_EQ(ini("Netscape1C"), "Error");
  EXPECT_EQ(ini("Netscape1A"), "C:\\Netscape\\Users\\");
}

TEST_F(PathConfigTest, FixPathRestoresTheUserByPositionAndLogsABadOne) {
  p.netscapeUsersFolder = "C:\\Program Files\\Netscape\\Users\\";
  p.netscapeUserIndex = "1";
  paths->fixPath();
  EXPECT_EQ(window->paths.netscapeUserBox.text(), "jane");
  p.netscapeUserIndex = "many";
  paths->fixPath();
  EXPECT_EQ(window->paths.netscapeUserBox.text(), "default");
  EXPECT_THAT(logText(), HasSubstr("fixPath at line 6 - Type mismatch (13)"));
  p.netscapeUserIndex = "-1";
  paths->fixPath();
  EXPECT_EQ(window->paths.netscapeUserBox.listIndex(), -1);
}

TEST_F(PathConfigTest, SavingAnotherUserDoesNotMoveTheProfileFolder) {
  paths->findPath();
  p.netscapeProfile = p.netscapeUsersFolder + p.netscapeUserName;  // computed at load
  window->paths.netscapeUserBox.userSelected(1);
  window->paths.saveNetscapeButton.click();
  EXPECT_EQ(ini("Netscape1C"), "jane");
  EXPECT_EQ(p.netscapeUserName, "jane");
  EXPECT_EQ(p.netscapeProfile, "C:\\Program Files\\Netscape\\Users\\default");
}

TEST_F(PathConfigTest, BrowsingCancelledKeepsTheTextAndStillSaves) {
  window->paths.ieHistoryFolderBox.setText("C:\\WINDOWS\\History\\");
  window->paths.ieCacheFolderBox.setText("C:\\WINDOWS\\Temporary Internet Files\\");
  window->paths.ieCookiesFolderBox.setText("C:\\WINDOWS\\Cookies\\");
  fake.shell.pickerAnswers.push_back(std::nullopt);
  window->paths.browseIEHistoryButton.click();
  EXPECT_EQ(window->paths.ieHistoryFolderBox.text(), "C:\\WINDOWS\\History\\");
  EXPECT_EQ(ini("IE1"), "C:\\WINDOWS\\History\\");
  ASSERT_EQ(fake.shell.pickerTitles.size(), 1u);
  EXPECT_EQ(fake.shell.pickerTitles[0], PathConfig::kBrowseTitle);

  // A drive root comes back as "C:\\" (no second backslash added), and is refused.
  fake.shell.pickerAnswers.push_back("C:\\");
  window->paths.browseWindowsTempButton.click();
  ASSERT_EQ(prompter.shown.size(), 3u);  // the two empty boxes say they do not exist
  EXPECT_EQ(prompter.shown[1].text, "C:\\ is a system folder and cannot be cleaned");
  EXPECT_EQ(window->paths.windowsTempFolderBox.text(), "-");
  EXPECT_EQ(ini("Win2"), "");
}

TEST_F(PathConfigTest, ViewButtonsOpenOnlyWhatWasFound) {
  int opened = 0;
  window->clean.commands.viewIECache =
      paths->viewIfFolderFound("ieCacheContentFolder", [&] { ++opened; });
  p.folderFound["ieCacheContentFolder"] = false;
  window->clean.viewIECacheButton.click();
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].text, "Path could not be found");
  EXPECT_EQ(prompter.shown[0].style, ui::mb::kOk);
  EXPECT_EQ(opened, 0);
  p.folderFound["ieCacheContentFolder"] = true;
  window->clean.viewIECacheButton.click();
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(prompter.shown.size(), 1u);
}

}  // namespace
}  // namespace vorn
