// The history-folder walk and pattern deletion over the fake file system.
#include "common/history_folders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/run_error.h"
#include "common/settings.h"
#include "platform/fake/fake_system.h"

using namespace common;
using platform::fake::FakeSystem;
using ::testing::ElementsAre;

namespace {

struct Walk {
  FakeSystem fake;
  std::vector<int> errors;
  std::vector<std::string> asked;

  void run(const std::string& historyFolder) {
    removeHistoryFolders(
        fake.files, historyFolder,
        [&](const std::string& path) {
          asked.push_back(path);
          return folderExists(fake.files, path);
        },
        [&](const std::function<void()>& statement) {
          try {
            statement();
          } catch (const RunError& e) {
            errors.push_back(e.number());
          }
        });
  }
};

const std::string kHist = "C:\\WINDOWS\\History\\";

}  // namespace

TEST(HistoryFolderName, PrefixShortensAsTheNumberGrows) {
  EXPECT_EQ(historyFolderName(1), "mshist~1");
  EXPECT_EQ(historyFolderName(9), "mshist~9");
  EXPECT_EQ(historyFolderName(10), "mshis~10");
  EXPECT_EQ(historyFolderName(99), "mshis~99");
  EXPECT_EQ(historyFolderName(150), "mshi~150");
  EXPECT_EQ(historyFolderName(999), "mshi~999");
}

TEST(RemoveHistoryFolders, EmptiesAndRemovesNumberedFoldersOnly) {
  Walk w;
  const std::string h5 = kHist + "History.IE5\\";
  w.fake.files.addFile(h5 + "MSHIST~1\\index.dat", "x");
  w.fake.files.addFile(h5 + "mshis~10\\a.url", "x");
  w.fake.files.addFile(h5 + "mshi~150\\index.dat", "x");
  w.fake.files.addFile(h5 + "mshist~12\\index.dat", "x");  // two digits after "mshist~"
  w.fake.files.addFile(h5 + "mshi~1000\\index.dat", "x");  // beyond 999
  w.fake.files.addFile(h5 + "index.dat", "x");
  w.fake.files.addFolder(h5 + "mshist~2");                 // empty: nothing to kill
  w.fake.files.addFile(h5 + "mshist~3\\sub\\f.txt", "x");  // a sub-folder keeps it
  w.run(kHist);
  const auto& files = w.fake.files;
  EXPECT_FALSE(files.exists(h5 + "mshist~1")) << files.dump();
  EXPECT_FALSE(files.exists(h5 + "mshis~10"));
  EXPECT_FALSE(files.exists(h5 + "mshi~150"));
  EXPECT_FALSE(files.exists(h5 + "mshist~2"));
  EXPECT_TRUE(files.exists(h5 + "mshist~12\\index.dat"));
  EXPECT_TRUE(files.exists(h5 + "mshi~1000\\index.dat"));
  EXPECT_TRUE(files.exists(h5 + "index.dat"));
  EXPECT_TRUE(files.exists(h5 + "mshist~3\\sub\\f.txt"));
  // mshist~2: nothing to delete (53); mshist~3: no ordinary file (53), not empty (75).
  EXPECT_THAT(w.errors,
              ElementsAre(errnum::kFileNotFound, errnum::kFileNotFound, errnum::kPathFileAccess));
  ASSERT_EQ(w.asked.size(), 999u);
  EXPECT_EQ(w.asked[149], kHist + "history.ie5\\mshi~150\\");
}

TEST(RemoveHistoryFolders, DashOrEmptyValueRemovesNothing) {
  Walk w;
  w.fake.files.addFile("C:\\history.ie5\\mshist~1\\index.dat", "x");
  w.run("-");
  EXPECT_EQ(w.asked.front(), "-history.ie5\\mshist~1\\");
  EXPECT_TRUE(w.fake.files.exists("C:\\history.ie5\\mshist~1\\index.dat"));
  EXPECT_TRUE(w.errors.empty());
}

TEST(KillFiles, DeletesOrdinaryMatchesAndReportsTheFirstRefusal) {
  FakeSystem fake;
  auto& f = fake.files;
  f.addFile("C:\\c\\a.dat");
  f.addFile("C:\\c\\b.dat", "", platform::attr::kReadOnly);
  f.addFile("C:\\c\\c.dat");
  f.addFile("C:\\c\\h.dat", "", platform::attr::kHidden);
  f.addFile("C:\\c\\keep.txt");
  try {
    killFiles(f, "C:\\c\\*.dat");
    FAIL() << "the read-only file should have refused";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), errnum::kPermissionDenied);
  }
  EXPECT_FALSE(f.exists("C:\\c\\a.dat"));
  EXPECT_FALSE(f.exists("C:\\c\\c.dat"));  // deleted although b.dat refused first
  EXPECT_TRUE(f.exists("C:\\c\\b.dat"));
  EXPECT_TRUE(f.exists("C:\\c\\h.dat"));
  EXPECT_TRUE(f.exists("C:\\c\\keep.txt"));
  try {
    killFiles(f, "C:\\c\\*.none");
    FAIL() << "no match should raise";
  } catch (const RunError& e) {
    EXPECT_EQ(e.number(), errnum::kFileNotFound);
  }
}
