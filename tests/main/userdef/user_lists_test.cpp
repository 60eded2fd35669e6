// The list files and the entries the editor builds.
#include "main/userdef/user_lists.h"

#include <gtest/gtest.h>

#include "common/file_replace.h"
#include "common/run_error.h"
#include "platform/fake/fake_system.h"

namespace {

using Entries = std::vector<std::string>;

TEST(UserDefinedEntries, EachModeBuildsItsKindOfEntry) {
  EXPECT_EQ(vorn::folderEntry("D:\\Work\\tmp"), "D:\\Work\\tmp");
  EXPECT_EQ(vorn::folderEntry("D:\\Work\\tmp\\"), "D:\\Work\\tmp");
  EXPECT_EQ(vorn::folderEntry("C:\\"), "C:\\");
  EXPECT_EQ(vorn::folderEntry("g:"), "g:\\");
  EXPECT_EQ(vorn::allFilesEntry("D:\\Work"), "D:\\Work\\*.*");
  EXPECT_EQ(vorn::allFilesEntry("C:\\"), "C:\\*.*");
  EXPECT_EQ(vorn::singleFileEntry("D:\\a,b", "x.txt"), "D:\\a,b\\x.txt");
  EXPECT_EQ(vorn::singleFileEntry("C:\\", "boot.ini"), "C:\\boot.ini");
}

TEST(UserDefinedEntries, ProtectedFoldersAreRecognisedWhateverTheirCase) {
  for (const char* f : {"C:\\", "c:\\", "C:\\WINDOWS", "c:\\Windows", "D:\\", "d:\\WINDOWS", "E:\\",
                        "F:\\"})
    EXPECT_TRUE(vorn::isAskedAboutFolder(f)) << f;
  for (const char* f : {"G:\\", "C:\\WINDOWS\\Temp", "C:\\Program Files", "D:\\Work"})
    EXPECT_FALSE(vorn::isAskedAboutFolder(f)) << f;
}

class UserDefinedListFiles : public ::testing::Test {
 protected:
  std::string folder() { return fake.process.folder; }
  std::string list(int n) { return folder() + "\\" + vorn::userDefinedListFile(n); }
  platform::ErrorCode save(int n, const Entries& entries) {
    return vorn::saveUserDefinedList(fake.files, folder(), n, entries, templateError);
  }

  platform::fake::FakeSystem fake;
  platform::ErrorCode templateError = platform::err::kSuccess;
};

TEST_F(UserDefinedListFiles, SavedListIsItsTemplateThenTheEntriesAndReadsBackWhole) {
  fake.files.addFile(folder() + "\\userdef3.000", "");
  const Entries entries{"D:\\a,b\\x.txt", "D:\\Work\\*.*", "C:\\"};
  EXPECT_EQ(save(3, entries), platform::err::kSuccess);
  EXPECT_EQ(fake.files.contents(list(3)), "D:\\a,b\\x.txt\r\nD:\\Work\\*.*\r\nC:\\\r\n");
  EXPECT_EQ(vorn::readUserDefinedList(fake.files, list(3)), entries);
  EXPECT_EQ(templateError, platform::err::kSuccess);

  fake.files.addFile(folder() + "\\userdef1.000", "T\r\n");
  save(1, {"D:\\x"});
  EXPECT_EQ(fake.files.contents(list(1)), "T\r\nD:\\x\r\n");
  EXPECT_FALSE(fake.files.exists(list(2)));
}

TEST_F(UserDefinedListFiles, AFailedSaveKeepsTheOldListWhole) {
  fake.files.addFile(folder() + "\\userdef2.000", "");
  fake.files.addFile(list(2), "D:\\old\r\n");
  fake.files.setOpen(list(2), true);
  EXPECT_NE(save(2, {"D:\\new"}), platform::err::kSuccess);
  fake.files.setOpen(list(2), false);
  EXPECT_EQ(fake.files.contents(list(2)), "D:\\old\r\n");
  EXPECT_FALSE(fake.files.exists(common::replacementPath(list(2))));
}

TEST_F(UserDefinedListFiles, AMissingTemplateIsReportedAndTheSaveGoesOn) {
  EXPECT_EQ(save(4, {"D:\\x"}), platform::err::kSuccess);
  EXPECT_NE(templateError, platform::err::kSuccess);
  EXPECT_EQ(fake.files.contents(list(4)), "D:\\x\r\n");
  EXPECT_THROW(vorn::readUserDefinedList(fake.files, list(1)), common::RunError);
}

}  // namespace
