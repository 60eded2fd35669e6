// Finding the history folders, and pattern deletion, over the fake file system.
#include "common/history_folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/run_error.h"
#include "platform/fake/fake_system.h"

using namespace common;
using platform::fake::FakeSystem;
using ::testing::ElementsAre;

TEST(HistoryFolderName, LongNamesAndNumberedShortNames) {
  struct Case {
    const char* name;
    bool history;
  };
  for (const Case& c : std::vector<Case>{
           {"MSHist012026113020261207", true},
           {"mshist012026113020261207", true},
           {"MsHiSt", true},
           {"mshist~1", true},
           {"MSHIS~10", true},
           {"mshi~150", true},
           {"msh~1000", true},
           {"ms~12345", true},
           {"m~123456", true},
           {"MSHI~SIN", false},  // a hashed short name: only its long name tells
           {"MS4E2F~1", false},
           {"mshi~1500", false},  // nine characters: no short name
           {"mshx~1", false},
           {"~1", false},
           {"mshis~", false},
           {"mshis~1a", false},
           {"MSHis", false},
           {"index.dat", false},
       })
    EXPECT_EQ(isHistoryFolderName(c.name), c.history) << c.name;
}

TEST(ListHistoryFolders, OneListingFindsFoldersByEitherNameSorted) {
  FakeSystem fake;
  auto& f = fake.files;
  const std::string h5 = "C:\\WINDOWS\\History\\History.IE5\\";
  for (const char* folder :
       {"MSHist012026113020261207", "mshist012026120720261214", "mshis~10", "msh~1000", "Other"})
    f.addFolder(h5 + folder);
  f.addFile(h5 + "index.dat", "x");
  f.addFile(h5 + "MSHist012026010120260108", "a file, not a folder");
  f.addFile("C:\\Outside\\keep.txt");
  f.addLink(h5 + "MSHist012026020120260208", "C:\\Outside");
  const std::string listed = "C:\\WINDOWS\\History\\history.ie5\\";
  EXPECT_THAT(
      listHistoryFolders(f, "C:\\WINDOWS\\History\\"),
      ElementsAre(listed + "MSHist012026020120260208", listed + "MSHist012026113020261207",
                  listed + "mshist012026120720261214", listed + "mshis~10", listed + "msh~1000"));
  EXPECT_EQ(listHistoryFolders(f, "C:\\WINDOWS\\History").size(), 5u);
  EXPECT_TRUE(listHistoryFolders(f, "C:\\Nowhere\\").empty());
}

TEST(KillFiles, DeletesOrdinaryMatchesAndReportsTheFirstRefusal) {
  FakeSystem fake;
  auto& f = fake.files;
  f.addFile("C:\\c\\a.dat");
  f.addFile("C:\\c\\b.dat");
  f.setOpen("C:\\c\\b.dat", true);
  f.addFile("C:\\c\\c.dat");
  f.addFile("C:\\c\\ro.dat", "", platform::attr::kReadOnly);
  f.addFile("C:\\c\\h.dat", "", platform::attr::kHidden);
  f.addFile("C:\\c\\keep.txt");
  f.addFile("D:\\away\\x.dat", "mine");
  f.addLink("C:\\c\\away.dat", "D:\\away");
  try {
    killFiles(fake.removal, "C:\\c\\*.dat");
    FAIL() << "the open file should have refused";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), errorNumberFromWin32(platform::err::kSharingViolation));
  }
  EXPECT_FALSE(f.exists("C:\\c\\a.dat"));
  EXPECT_FALSE(f.exists("C:\\c\\c.dat"));   // deleted although b.dat refused first
  EXPECT_FALSE(f.exists("C:\\c\\ro.dat"));  // read-only goes, as in every removal
  EXPECT_TRUE(f.exists("C:\\c\\b.dat"));
  EXPECT_EQ(f.contents("D:\\away\\x.dat"), "mine");
  EXPECT_TRUE(f.exists("C:\\c\\h.dat"));
  EXPECT_TRUE(f.exists("C:\\c\\keep.txt"));
  try {
    killFiles(fake.removal, "C:\\c\\*.none");
    FAIL() << "no match should raise";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), errnum::kFileNotFound);
  }
}
