#include "main/dialogs/keep_list_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/file_replace.h"
#include "common/run_error.h"
#include "platform/fake/fake_files.h"

using namespace vorn;
using ::testing::ElementsAre;
namespace err = platform::err;

namespace {

// Files whose n-th changing call (write, append, rename, delete) fails as a full disk
// would, after doing nothing; the calls before it work.
class FailingFiles : public platform::fake::FakeFiles {
 public:
  int failAt = -1;
  int calls = 0;
  platform::ErrorCode writeFile(const std::string& p, const std::string& c) override {
    return fails() ? err::kDiskFull : FakeFiles::writeFile(p, c);
  }
  platform::ErrorCode appendFile(const std::string& p, const std::string& c) override {
    return fails() ? err::kDiskFull : FakeFiles::appendFile(p, c);
  }
  platform::ErrorCode renameFile(const std::string& f, const std::string& t) override {
    return fails() ? err::kDiskFull : FakeFiles::renameFile(f, t);
  }
  platform::ErrorCode deleteFile(const std::string& p) override {
    return fails() ? err::kDiskFull : FakeFiles::deleteFile(p);
  }

 private:
  bool fails() { return calls++ == failAt; }
};

const std::string kFolder = "C:\\Program Files\\Tervane\\";

TEST(KeepListFile, SavedListIsTheTemplateFollowedByEachEntryAndReadsBack) {
  platform::fake::FakeFiles files;
  files.addFile(kFolder + "cookies1.000", "");
  auto save = saveListFile(files, kFolder + "cookies1.000", kFolder + "cookies1.lst", {});
  EXPECT_EQ(save.writeError, err::kSuccess);
  EXPECT_EQ(files.contents(kFolder + "cookies1.lst"), "");
  EXPECT_TRUE(files.exists(kFolder + "cookies1.lst"));

  saveListFile(files, kFolder + "cookies1.000", kFolder + "cookies1.lst",
               {"me@a[1].txt", "me@b[2].txt"});
  EXPECT_EQ(files.contents(kFolder + "cookies1.lst"), "me@a[1].txt\r\nme@b[2].txt\r\n");
  EXPECT_THAT(readListFile(files, kFolder + "cookies1.lst"),
              ElementsAre("me@a[1].txt", "me@b[2].txt"));

  // A template that holds lines puts them in front of every saved list.
  files.addFile(kFolder + "cookies1.000", "# kept\r\n");
  saveListFile(files, kFolder + "cookies1.000", kFolder + "cookies1.lst", {"x"});
  EXPECT_EQ(files.contents(kFolder + "cookies1.lst"), "# kept\r\nx\r\n");
  EXPECT_FALSE(files.exists(common::replacementPath(kFolder + "cookies1.lst")));
}

TEST(KeepListFile, AMissingTemplateIsReportedAndTheEntriesAreStillSaved) {
  platform::fake::FakeFiles files;
  files.addFolder(kFolder);
  auto save = saveListFile(files, kFolder + "cookies1.000", kFolder + "cookies1.lst", {"a"});
  EXPECT_NE(save.templateError, err::kSuccess);
  EXPECT_EQ(save.writeError, err::kSuccess);
  EXPECT_EQ(files.contents(kFolder + "cookies1.lst"), "a\r\n");
}

TEST(KeepListFile, ASaveInterruptedAtAnyStepLeavesTheOldListWhole) {
  for (int step = 0; step < 4; ++step) {
    FailingFiles files;
    files.addFile(kFolder + "cookies1.000", "");
    files.addFile(kFolder + "cookies1.lst", "old@kept[1].txt\r\n");
    files.failAt = step;
    auto save = saveListFile(files, kFolder + "cookies1.000", kFolder + "cookies1.lst",
                             {"new@a[1].txt", "new@b[1].txt"});
    const std::string now = files.contents(kFolder + "cookies1.lst");
    if (save.writeError != err::kSuccess) {
      EXPECT_EQ(now, "old@kept[1].txt\r\n") << "failure at call " << step;
      EXPECT_FALSE(files.exists(common::replacementPath(kFolder + "cookies1.lst")));
    } else {
      EXPECT_EQ(now, "new@a[1].txt\r\nnew@b[1].txt\r\n") << "failure at call " << step;
    }
  }
}

TEST(KeepListFile, AMissingListReadsAsAFailureForTheCallerToLog) {
  platform::fake::FakeFiles files;
  EXPECT_THROW(readListFile(files, kFolder + "cookies1.lst"), common::RunError);
  files.addFile(kFolder + "cookies1.lst", "a\nb\r\nc");
  EXPECT_THAT(readListFile(files, kFolder + "cookies1.lst"), ElementsAre("a", "b", "c"));
}

TEST(KeepListFile, EntriesAreListedWhenEqualAfterTheExistingOnesTrailingBlanksGo) {
  const std::vector<std::string> list = {"me@a[1].txt  ", "me@b[1].txt"};
  EXPECT_TRUE(isListedEntry(list, "me@a[1].txt"));
  EXPECT_TRUE(isListedEntry(list, "me@b[1].txt"));
  EXPECT_FALSE(isListedEntry(list, "ME@B[1].TXT"));
  EXPECT_FALSE(isListedEntry(list, "me@a[1].txt  "));  // only the list's blanks are dropped
  EXPECT_FALSE(isListedEntry({}, ""));
}

}  // namespace
