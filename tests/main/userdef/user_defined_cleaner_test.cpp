// User-defined cleaning over the fake platform: what each kind of entry removes, what it
// must leave alone (links' targets, sub-folders of an all-files entry) and how a list
// that cannot be read is handled.
#include "main/userdef/user_defined_cleaner.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/main/clean/clean_fixture.h"

namespace {

using ::testing::HasSubstr;
namespace area = vorn::area;

class UserDefinedCleaning : public clean_test::CleanSession {
 protected:
  std::string list(int n) { return folder() + "\\userdef" + std::to_string(n) + ".lst"; }
  void writeList(int n, const std::string& text) { fake.files.addFile(list(n), text); }
  void clean() { cleaner.cleanUserDefined(); }
  // Ticks list `n` alone, gives it `text` and cleans.
  void cleanList(int n, const std::string& text) {
    writeList(n, text);
    boxes.check(area::kUserDefined, {n - 1});
    clean();
  }
  // A folder outside every cleaned tree, reached through a link planted at `link`.
  void linkHome(const std::string& link) {
    fake.files.addFile("E:\\Home\\letter.doc", "mine");
    fake.files.addLink(link, "E:\\Home");
  }
  std::string homeLetter() { return fake.files.contents("E:\\Home\\letter.doc"); }

  vorn::UserDefinedCleaner cleaner{fake, log, frame, boxes, folder()};
};

TEST_F(UserDefinedCleaning, FolderGoesWithItsContentButALinkInsideIsNeverFollowed) {
  fake.files.addFile("D:\\Work\\tmp\\a.txt");
  fake.files.addFile("D:\\Work\\tmp\\sub\\b.txt", "", platform::attr::kReadOnly);
  linkHome("D:\\Work\\tmp\\sub\\home");
  fake.files.addFile("D:\\Work\\keep.txt");
  cleanList(1, "D:\\Work\\tmp\r\n");
  EXPECT_FALSE(fake.files.exists("D:\\Work\\tmp")) << fake.files.dump();
  EXPECT_TRUE(fake.files.exists("D:\\Work\\keep.txt"));
  EXPECT_EQ(homeLetter(), "mine");
  EXPECT_EQ(view.count("status Removing User.def D:\\Work\\tmp"), 1);
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(view.value, 1);
}

TEST_F(UserDefinedCleaning, ALinkThatCannotBeRemovedAloneStaysWithItsTargetAndTheRunGoesOn) {
  fake.files.setLinksLikeWine(true);
  fake.files.addFile("D:\\Work\\tmp\\a.txt");
  linkHome("D:\\Work\\tmp\\home");
  fake.files.addFile("D:\\Later\\b.txt");
  cleanList(2, "D:\\Work\\tmp\r\nD:\\Later\\b.txt\r\n");
  EXPECT_FALSE(fake.files.exists("D:\\Work\\tmp\\a.txt"));
  EXPECT_TRUE(fake.files.exists("D:\\Work\\tmp\\home"));
  EXPECT_EQ(homeLetter(), "mine");
  EXPECT_FALSE(fake.files.exists("D:\\Later\\b.txt"));  // the next entry ran
  EXPECT_THAT(logText(), HasSubstr("removeUserdefinedSel at line 1 - 1 entry could not be removed; "
                                   "the first, D:\\Work\\tmp\\home: a link"));
}

TEST_F(UserDefinedCleaning, AllFilesEntryRemovesFilesAndLeavesEverySubFolder) {
  fake.files.addFile("D:\\Dl\\a.zip");
  fake.files.addFile("D:\\Dl\\b.exe", "", platform::attr::kReadOnly);
  fake.files.addFile("D:\\Dl\\old.d\\c.txt", "kept");  // a folder whose name matches
  linkHome("D:\\Dl\\home");
  cleanList(1, "D:\\Dl\\*.*\r\n");
  EXPECT_FALSE(fake.files.exists("D:\\Dl\\a.zip"));
  EXPECT_FALSE(fake.files.exists("D:\\Dl\\b.exe"));
  EXPECT_EQ(fake.files.contents("D:\\Dl\\old.d\\c.txt"), "kept");
  EXPECT_TRUE(fake.files.isFolder("D:\\Dl\\home"));
  EXPECT_EQ(homeLetter(), "mine");
  EXPECT_EQ(logText(), "");
}

TEST_F(UserDefinedCleaning, SingleFilesCommasAndAbsentEntries) {
  fake.files.addFile("D:\\a,b\\x.txt");
  fake.files.addFile("D:\\a\\y.txt");
  fake.files.addFile("D:\\b\\x.txt");
  fake.files.addFile("D:\\Hidden\\h.txt", "", platform::attr::kHidden);
  // The whole line is one path: neither "D:\a" nor "b\x.txt" is an entry.
  cleanList(3, "D:\\a,b\\x.txt\r\nD:\\gone.txt\r\n\r\nD:\\Hidden\\h.txt\r\n");
  EXPECT_FALSE(fake.files.exists("D:\\a,b\\x.txt"));
  EXPECT_TRUE(fake.files.exists("D:\\a\\y.txt"));
  EXPECT_TRUE(fake.files.exists("D:\\b\\x.txt"));
  // Hidden items are not found by the lookup and so not present.
  EXPECT_TRUE(fake.files.exists("D:\\Hidden\\h.txt"));
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(view.count("status Removing User.def D:\\a,b\\x.txt"), 1);
  EXPECT_EQ(view.count("status Removing User.def D:\\gone.txt"), 0);
}

TEST_F(UserDefinedCleaning, OnlyTickedListsAreReadAndEachTakesOneStep) {
  fake.files.addFile("D:\\one.txt");
  fake.files.addFile("D:\\four.txt");
  writeList(1, "D:\\one.txt\r\n");
  writeList(2, "");
  writeList(4, "D:\\four.txt\r\n");
  boxes.check(area::kUserDefined, {1, 3});
  clean();
  EXPECT_TRUE(fake.files.exists("D:\\one.txt"));
  EXPECT_FALSE(fake.files.exists("D:\\four.txt"));
  EXPECT_EQ(view.maximum, 2);
  EXPECT_EQ(view.value, 2);  // the empty list advanced too
}

TEST_F(UserDefinedCleaning, AMissingListIsSkippedAndLoggedAndTheNextListRuns) {
  fake.files.addFile("D:\\four.txt");
  writeList(4, "D:\\four.txt\r\n");
  boxes.check(area::kUserDefined, {0, 3});
  clean();
  EXPECT_THAT(logText(), HasSubstr("removeUserdefinedSel at line 0"));
  EXPECT_FALSE(fake.files.exists("D:\\four.txt"));
  EXPECT_EQ(view.value, 2);
}

TEST_F(UserDefinedCleaning, ASystemFolderEntryIsRefusedAndSaysWhy) {
  fake.files.addFile("C:\\WINDOWS\\win.ini", "x");
  fake.files.addFile("C:\\autoexec.bat", "x");
  fake.files.addFile("D:\\after.txt");
  cleanList(1, "C:\\WINDOWS\r\nC:\\\r\nD:\\after.txt\r\n");
  EXPECT_TRUE(fake.files.exists("C:\\WINDOWS\\win.ini"));
  EXPECT_TRUE(fake.files.exists("C:\\autoexec.bat"));
  EXPECT_THAT(logText(), HasSubstr("C:\\WINDOWS is a system folder and cannot be cleaned"));
  EXPECT_FALSE(fake.files.exists("D:\\after.txt"));
}

TEST_F(UserDefinedCleaning, EntriesThatAreNoFullPathAreSkippedNamedAndNeverResolved) {
  // The current folder is the program's own: a bare name would be taken from there.
  fake.files.setCurrentFolder(folder());
  for (const char* own : {"\\mainten.ini", "\\cookies2.lst", "\\scoutry.exe", "\\url.ini"})
    fake.files.addFile(folder() + own, "own");
  fake.files.addFile("C:\\fz\\ud\\other.txt", "kept");
  fake.files.addFile("C:\\fz\\ud\\deep\\x.txt", "kept");
  linkHome(folder() + "\\home");
  fake.files.addFile("D:\\after.txt");
  std::vector<std::pair<std::string, std::string>> skipped;
  cleaner.onEntrySkipped = [&](const std::string& entry, const std::string& why) {
    skipped.emplace_back(entry, why);
  };
  const std::string tooLong = "D:\\" + std::string(300, 'x');
  const std::string nul = std::string("C:\\fz\\ud\\other.txt") + '\0' + ".bak";
  const std::string nulFolder = std::string("C:\\fz\\ud") + '\0' + "\\deep";
  writeList(1, "*.*\r\nmainten.ini\r\ncookies2.lst\r\n..\\Tervane\\url.ini\r\n" + nul + "\r\n" +
                   nulFolder + "\r\n" + tooLong + "\r\nD:\\after.txt\r\n");
  boxes.check(area::kUserDefined, {0});
  clean();
  for (const char* own : {"\\cookies2.lst", "\\scoutry.exe", "\\url.ini"})
    EXPECT_EQ(fake.files.contents(folder() + own), "own") << own;
  // The settings file is there, with the date of this cleaning added to it.
  EXPECT_EQ(fake.files.contents(folder() + "\\mainten.ini").rfind("own", 0), 0u);
  EXPECT_EQ(fake.files.contents("C:\\fz\\ud\\other.txt"), "kept");
  EXPECT_EQ(fake.files.contents("C:\\fz\\ud\\deep\\x.txt"), "kept");
  EXPECT_EQ(homeLetter(), "mine");
  EXPECT_FALSE(fake.files.exists("D:\\after.txt"));  // the full path after them still ran
  ASSERT_EQ(skipped.size(), 7u);
  EXPECT_EQ(skipped[0],
            std::make_pair(std::string("*.*"), std::string("skipped: not a full path")));
  EXPECT_EQ(skipped[4].first, "C:\\fz\\ud\\other.txt<NUL>.bak");
  EXPECT_EQ(skipped[4].second, "skipped: holds a control character");
  EXPECT_EQ(skipped[6].second, "skipped: longer than 259 characters");
  // One log line each, naming the list and the entry.
  const std::string log = logText();
  EXPECT_THAT(log, HasSubstr("userdef1.lst entry \"*.*\" skipped: not a full path"));
  EXPECT_THAT(log, HasSubstr("userdef1.lst entry \"mainten.ini\" skipped: not a full path"));
  EXPECT_THAT(log, HasSubstr("\"C:\\fz\\ud<NUL>\\deep\" skipped: holds a control character"));
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 7) << log;
}

}  // namespace
