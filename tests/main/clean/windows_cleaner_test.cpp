#include "main/clean/windows_cleaner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/file_time.h"
#include "tests/main/clean/clean_fixture.h"

using namespace vorn;
using platform::LocalTime;
using ::testing::HasSubstr;

TEST(MruValueName, NamesAToTAndTheDefaultOtherwise) {
  EXPECT_EQ(mruValueName(1), "a");
  EXPECT_EQ(mruValueName(20), "t");
  EXPECT_EQ(mruValueName(0), "");
  EXPECT_EQ(mruValueName(21), "");
  EXPECT_EQ(mruValueName(-3), "");
}

class WindowsCleaning : public clean_test::CleanSession {
 protected:
  void SetUp() override {
    paths.docHistoryFolder = "C:\\WINDOWS\\Recent\\";
    paths.windowsTempFolder = "C:\\WINDOWS\\TEMP\\";
    paths.downloadedProgramFilesFolder = "C:\\WINDOWS\\Downloaded Program Files\\";
    for (const std::string* p : {&paths.docHistoryFolder, &paths.windowsTempFolder, &paths.downloadedProgramFilesFolder}) fake.files.addFolder(*p);
    fake.clock.set({2001, 4, 12, 0, 1, 0, 0});
  }
  static platform::FileTime at(int y, int mo, int d, int h, int mi) {
    return platform::fileTimeFromCalendar({y, mo, d, h, mi, 0, 0});
  }
  void seedMru(const char* key, char last) {
    for (char c = 'a'; c <= last; ++c)
      fake.registry.setString(platform::hkey::kCurrentUser, key, std::string(1, c), "cmd");
    fake.registry.setString(platform::hkey::kCurrentUser, key, "", "default");
    fake.registry.setString(platform::hkey::kCurrentUser, key, "MRUList", "abc");
  }
  bool hasValue(const char* key, const std::string& name) {
    return fake.registry.hasValue(platform::hkey::kCurrentUser, key, name);
  }
  void clean() { cleaner.cleanWindows(); }

  PathValues paths;
  int doEvents = 0;
  WindowsCleaner cleaner{fake.system(), registry, log,    frame,
                         boxes,         paths,    0x1234, [this] { ++doEvents; }};
};

TEST_F(WindowsCleaning, TemporaryFilesGoFromYesterdayOnAndReadOnlyOnesToo) {
  fake.files.addFile(paths.windowsTempFolder + "late.tmp", "x", platform::attr::kArchive,
                     at(2001, 4, 11, 23, 59));
  fake.files.addFile(paths.windowsTempFolder + "today.tmp", "x", platform::attr::kArchive,
                     at(2001, 4, 12, 0, 0));
  fake.files.addFile(paths.windowsTempFolder + "ro.tmp", "x", platform::attr::kReadOnly, at(2000, 1, 1, 9, 0));
  fake.files.addFile(paths.windowsTempFolder + "sub\\inner.tmp", "x", platform::attr::kArchive,
                     at(2000, 1, 1, 9, 0));
  boxes.check(area::kWindows, {2});
  clean();
  EXPECT_FALSE(fake.files.exists(paths.windowsTempFolder + "late.tmp"));
  EXPECT_FALSE(fake.files.exists(paths.windowsTempFolder + "ro.tmp"));
  EXPECT_TRUE(fake.files.exists(paths.windowsTempFolder + "today.tmp"));
  EXPECT_TRUE(fake.files.exists(paths.windowsTempFolder + "sub\\inner.tmp"));  // sub-folders stay
  EXPECT_EQ(view.value, 1);
  EXPECT_EQ(logText(), "");
}

// An open file and a link to a file outside (Wine's links list as plain files and
// refuse deletion) stay; everything else of the step still goes, and the log says why.
TEST_F(WindowsCleaning, OpenFilesAndFileLinksStayWhileTheRestOfTheTemporaryFilesGo) {
  fake.files.setLinksLikeWine(true);
  for (const char* n : {"a.tmp", "b.tmp", "c.tmp", "setup.log"})
    fake.files.addFile(paths.windowsTempFolder + n, "x", platform::attr::kArchive, at(2001, 1, 1, 0, 0));
  fake.files.setOpen(paths.windowsTempFolder + "b.tmp", true);
  fake.files.addFile("D:\\Home\\letter.doc", "mine", platform::attr::kArchive,
                     at(2001, 1, 1, 0, 0));
  fake.clock.set({2001, 4, 9, 12, 0, 0, 0});  // the link is three days old
  fake.files.addLink(paths.windowsTempFolder + "old-link.tmp", "D:\\Home\\letter.doc");
  fake.files.addLink(paths.windowsTempFolder + "home", "D:\\Home");
  fake.clock.set({2001, 4, 12, 0, 1, 0, 0});
  fake.files.addFile("C:\\found.chk");
  boxes.check(area::kWindows, {2, 4});
  clean();
  EXPECT_TRUE(fake.files.exists(paths.windowsTempFolder + "b.tmp"));
  EXPECT_TRUE(fake.files.exists(paths.windowsTempFolder + "old-link.tmp"));
  EXPECT_TRUE(fake.files.exists(paths.windowsTempFolder + "home"));
  for (const char* n : {"a.tmp", "c.tmp", "setup.log"})
    EXPECT_FALSE(fake.files.exists(paths.windowsTempFolder + n)) << n << "\n" << fake.files.dump();
  EXPECT_EQ(fake.files.contents("D:\\Home\\letter.doc"), "mine");
  EXPECT_THAT(logText(), HasSubstr("2 entries could not be removed"));
  EXPECT_FALSE(fake.files.exists("C:\\found.chk"));  // the next step ran
  EXPECT_EQ(view.value, 2);
}

TEST(DeleteFilesOlderThan, ReportsWhetherTheWholeListWasWorkedThrough) {
  platform::fake::FakeSystem fake;
  fake.clock.set({2001, 4, 12, 15, 0, 0, 0});
  auto old = platform::fileTimeFromCalendar({2001, 4, 1, 12, 0, 0, 0});
  EXPECT_FALSE(deleteFilesOlderThan(fake.removal, fake.clock, 1, "C:\\T\\*.*"));  // no folder
  fake.files.addFolder("C:\\T");
  EXPECT_FALSE(deleteFilesOlderThan(fake.removal, fake.clock, 1, "C:\\T\\*.*"));  // no match
  fake.files.addFile("C:\\T\\new.tmp");  // changed now: too young
  EXPECT_TRUE(deleteFilesOlderThan(fake.removal, fake.clock, 1, "C:\\T\\*.*"));
  EXPECT_TRUE(fake.files.exists("C:\\T\\new.tmp"));
  fake.files.addFile("C:\\T\\old.tmp", "", platform::attr::kArchive, old);
  fake.files.addFile("C:\\T\\hidden.tmp", "", platform::attr::kHidden, old);
  // A reference date counts from its midnight: ten days after the 1st is the 11th.
  EXPECT_TRUE(deleteFilesOlderThan(fake.removal, fake.clock, 11, "C:\\T\\*.*",
                                   LocalTime{2001, 4, 11, 23, 0, 0, 0}));
  EXPECT_TRUE(fake.files.exists("C:\\T\\old.tmp"));
  EXPECT_TRUE(deleteFilesOlderThan(fake.removal, fake.clock, 11, "C:\\T\\*.*",
                                   LocalTime{2001, 4, 12, 0, 0, 0, 0}));
  EXPECT_FALSE(fake.files.exists("C:\\T\\old.tmp"));
  EXPECT_TRUE(fake.files.exists("C:\\T\\hidden.tmp"));  // only ordinary files are listed
  EXPECT_FALSE(deleteFilesOlderThan(fake.removal, fake.clock, 0, "C:\\T\\*.*",
                                    LocalTime{2001, 2, 30, 0, 0, 0, 0}));  // no real date
  EXPECT_TRUE(fake.files.exists("C:\\T\\new.tmp"));
}

TEST_F(WindowsCleaning, DocumentHistoryAndCheckDiskFragmentsGoButSubFoldersStay) {
  fake.files.addFile(paths.docHistoryFolder + "letter.doc.lnk");
  fake.files.addFile(paths.docHistoryFolder + "notes.txt.lnk");
  fake.files.addFolder(paths.docHistoryFolder + "Keep");
  fake.files.addFile("C:\\FILE0000.CHK");
  fake.files.addFile("C:\\sub\\deep.chk");
  boxes.check(area::kWindows, {0, 4});
  clean();
  EXPECT_FALSE(fake.files.exists(paths.docHistoryFolder + "letter.doc.lnk"));
  EXPECT_FALSE(fake.files.exists(paths.docHistoryFolder + "notes.txt.lnk"));
  EXPECT_TRUE(fake.files.isFolder(paths.docHistoryFolder + "Keep"));
  EXPECT_FALSE(fake.files.exists("C:\\FILE0000.CHK"));
  EXPECT_TRUE(fake.files.exists("C:\\sub\\deep.chk"));
  EXPECT_EQ(view.maximum, 2);
  EXPECT_EQ(view.value, 2);
}

TEST_F(WindowsCleaning, ALockedRecentDocumentStaysAndIsLoggedWhileReadOnlyOnesGo) {
  fake.files.addFile(paths.docHistoryFolder + "a.lnk");
  fake.files.addFile(paths.docHistoryFolder + "b.lnk");
  fake.files.addFile(paths.docHistoryFolder + "c.lnk", "", platform::attr::kReadOnly);
  fake.files.setOpen(paths.docHistoryFolder + "b.lnk", true);
  fake.files.addFile("D:\\Home\\letter.doc", "mine");
  fake.files.addLink(paths.docHistoryFolder + "Home", "D:\\Home");
  boxes.check(area::kWindows, {0, 7});
  clean();
  EXPECT_FALSE(fake.files.exists(paths.docHistoryFolder + "a.lnk"));
  EXPECT_TRUE(fake.files.exists(paths.docHistoryFolder + "b.lnk"));
  EXPECT_FALSE(fake.files.exists(paths.docHistoryFolder + "c.lnk"));
  EXPECT_EQ(fake.files.contents("D:\\Home\\letter.doc"), "mine");
  EXPECT_THAT(logText(), HasSubstr("cmdCleanWin at line 0"));
  EXPECT_EQ(view.value, 2);
  EXPECT_EQ(prompter.shown.size(), 1u);
}

TEST_F(WindowsCleaning, DownloadedProgramFilesAreRemovedWithTheirSubFolders) {
  fake.files.addFile(paths.downloadedProgramFilesFolder + "ctl.ocx");
  fake.files.addFile(paths.downloadedProgramFilesFolder + "ctl.inf", "", platform::attr::kReadOnly);
  fake.files.addFile(paths.downloadedProgramFilesFolder + "CONFLICT.1\\old.ocx");
  // A link to a folder elsewhere, as a user's folders are in a Wine prefix.
  fake.files.addFile("D:\\Home\\letter.doc", "mine");
  fake.files.addLink(paths.downloadedProgramFilesFolder + "CONFLICT.1\\home", "D:\\Home");
  boxes.check(area::kWindows, {1});
  clean();
  EXPECT_FALSE(fake.files.exists(paths.downloadedProgramFilesFolder + "ctl.ocx"));
  EXPECT_FALSE(fake.files.exists(paths.downloadedProgramFilesFolder + "ctl.inf"));
  EXPECT_FALSE(fake.files.exists(paths.downloadedProgramFilesFolder + "CONFLICT.1")) << fake.files.dump();
  EXPECT_TRUE(fake.files.isFolder(paths.downloadedProgramFilesFolder));
  EXPECT_EQ(fake.files.contents("D:\\Home\\letter.doc"), "mine");
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(view.value, 1);
}

TEST_F(WindowsCleaning, ALinkTheSystemCannotRemoveStaysWithItsTargetAndIsLogged) {
  fake.files.setLinksLikeWine(true);
  fake.files.addFile(paths.downloadedProgramFilesFolder + "ctl.ocx");
  fake.files.addFile("D:\\Home\\letter.doc", "mine");
  fake.files.addLink(paths.downloadedProgramFilesFolder + "home", "D:\\Home");
  fake.files.addFile(paths.downloadedProgramFilesFolder + "zz.ocx");
  fake.files.setOpen(paths.downloadedProgramFilesFolder + "zz.ocx", true);
  boxes.check(area::kWindows, {1, 4});
  fake.files.addFile("C:\\found.chk");
  clean();
  EXPECT_FALSE(fake.files.exists(paths.downloadedProgramFilesFolder + "ctl.ocx"));
  EXPECT_TRUE(fake.files.exists(paths.downloadedProgramFilesFolder + "home"));
  EXPECT_EQ(fake.files.contents("D:\\Home\\letter.doc"), "mine");
  EXPECT_THAT(logText(), HasSubstr("cmdCleanWin at line 0 - 2 entries could not be removed; the "
                                   "first, C:\\WINDOWS\\Downloaded Program Files\\home: a link, "
                                   "left in place (75)"));
  EXPECT_FALSE(fake.files.exists("C:\\found.chk"));  // the next step ran
  EXPECT_EQ(view.value, 2);
}

TEST_F(WindowsCleaning, PathsNamingSystemFoldersSkipTheirStepsAndSayWhy) {
  for (const char* f : {"C:\\WINDOWS\\win.ini", "C:\\WINDOWS\\SYSTEM\\user.exe", "C:\\autoexec.bat",
                        "C:\\WINDOWS\\old.tmp"})
    fake.files.addFile(f, "x", platform::attr::kArchive, at(2000, 1, 1, 0, 0));
  paths.docHistoryFolder = "C:\\";
  paths.windowsTempFolder = "c:\\windows";
  paths.downloadedProgramFilesFolder = "C:\\WINDOWS\\";
  boxes.check(area::kWindows, {0, 1, 2});
  clean();
  for (const char* f : {"C:\\WINDOWS\\win.ini", "C:\\WINDOWS\\SYSTEM\\user.exe", "C:\\autoexec.bat",
                        "C:\\WINDOWS\\old.tmp"})
    EXPECT_TRUE(fake.files.exists(f)) << f;
  EXPECT_THAT(logText(), HasSubstr("cmdCleanWin at line 0 - C:\\ is a system folder and cannot "
                                   "be cleaned (75)"));
  EXPECT_THAT(logText(), HasSubstr("C:\\WINDOWS\\ is a system folder and cannot be cleaned"));
  EXPECT_THAT(logText(), HasSubstr("c:\\windows is a system folder and cannot be cleaned"));
  EXPECT_EQ(view.value, 3);
}

TEST_F(WindowsCleaning, DownloadedProgramFilesWithOnlySubFoldersAreLeftAlone) {
  fake.files.addFile(paths.downloadedProgramFilesFolder + "CONFLICT.1\\old.ocx");
  boxes.check(area::kWindows, {1});
  clean();
  EXPECT_TRUE(fake.files.exists(paths.downloadedProgramFilesFolder + "CONFLICT.1\\old.ocx"));
  EXPECT_EQ(view.value, 1);
}

TEST_F(WindowsCleaning, DisabledOrMissingFoldersAreNotTouched) {
  fake.files.addFile(paths.windowsTempFolder + "old.tmp", "x", platform::attr::kArchive, at(2000, 1, 1, 0, 0));
  fake.files.addFile(paths.downloadedProgramFilesFolder + "ctl.ocx");
  boxes.check(area::kWindows, {1, 2});
  boxes.box(area::kWindows, 2).enabled = false;
  paths.downloadedProgramFilesFolder = kPathMissing;
  fake.files.addFile("C:\\-x.ocx");  // what a pattern on "-" would reach
  clean();
  EXPECT_TRUE(fake.files.exists("C:\\WINDOWS\\TEMP\\old.tmp"));
  EXPECT_TRUE(fake.files.exists("C:\\-x.ocx"));
  EXPECT_EQ(boxes.value(area::kWindows, 2), 0);
  EXPECT_EQ(view.maximum, 1);
}

TEST_F(WindowsCleaning, RunAndFindHistoriesLoseAToTAndTheirDefaultOnly) {
  seedMru(kRunMruKey, 'z');
  seedMru(kFindMruKey, 'c');
  boxes.check(area::kWindows, {5, 6});
  clean();
  for (char c = 'a'; c <= 't'; ++c) EXPECT_FALSE(hasValue(kRunMruKey, std::string(1, c))) << c;
  for (char c = 'u'; c <= 'z'; ++c) EXPECT_TRUE(hasValue(kRunMruKey, std::string(1, c))) << c;
  EXPECT_FALSE(hasValue(kRunMruKey, ""));
  EXPECT_TRUE(hasValue(kRunMruKey, "MRUList"));
  EXPECT_FALSE(hasValue(kFindMruKey, "b"));
  EXPECT_TRUE(hasValue(kFindMruKey, "MRUList"));
  EXPECT_EQ(fake.registry.openHandles(), 0u);
  EXPECT_EQ(logText(), "");  // missing values fail silently
}

TEST_F(WindowsCleaning, TheRecycleBinStepSaysSoAndLetsMessagesRun) {
  fake.shell.recycled["C:\\"] = {"C:\\old.txt"};
  boxes.check(area::kWindows, {3});
  clean();
  EXPECT_TRUE(fake.shell.recycled.empty());
  EXPECT_EQ(doEvents, 1);
  auto& e = view.events;
  auto bin = std::find(e.begin(), e.end(), "status Cleaning Recycle Bin");
  ASSERT_NE(bin, e.end());
  EXPECT_EQ(*(bin + 1), "status Cleaning Windows Files");
  EXPECT_EQ(view.value, 1);
}

TEST_F(WindowsCleaning, OnlyAdditionalGarbageRunsItsRulesAlone) {
  fake.files.addFile(paths.docHistoryFolder + "a.lnk");
  fake.files.addFile("C:\\x.chk");
  seedMru(kRunMruKey, 'b');
  int garbageRuns = 0;
  cleaner.additionalGarbage = [&] { ++garbageRuns; };
  boxes.check(area::kWindows, {7});
  clean();
  EXPECT_EQ(garbageRuns, 1);
  EXPECT_TRUE(fake.files.exists(paths.docHistoryFolder + "a.lnk"));
  EXPECT_TRUE(fake.files.exists("C:\\x.chk"));
  EXPECT_TRUE(hasValue(kRunMruKey, "a"));
  EXPECT_EQ(fake.shell.recycleBinEmptied, 0);
  EXPECT_EQ(view.value, 1);
  EXPECT_EQ(view.maximum, 1);
}
