// One suite, run against the fake natively and against Win32 under Wine: where they
// disagree, Win32 is right and the fake gets fixed.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#ifdef _WIN32
#include <windows.h>
#endif

#include "platform/dir_lookup.h"
#include "tests/support/contract_env.h"

using namespace platform;
using ::testing::ElementsAre;
using ::testing::UnorderedElementsAre;
using testing_support::ContractEnv;
using testing_support::EnvMaker;

class FilesContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    dir = env->scratch();
  }
  Files& files() { return env->system().files; }
  std::string at(const std::string& name) { return dir + "\\" + name; }
  void put(const std::string& name, const std::string& data = "x") {
    ASSERT_EQ(files().writeFile(at(name), data), err::kSuccess) << name;
  }
  std::vector<std::string> names(const std::string& pattern) {
    std::vector<std::string> out;
    files().find(pattern, [&](const FindData& d) {
      if (d.name != "." && d.name != "..") out.push_back(d.name);
      return true;
    });
    std::sort(out.begin(), out.end());
    return out;
  }

  std::unique_ptr<ContractEnv> env;
  std::string dir;
};

TEST_P(FilesContract, WildcardsMatchLikeWindows) {
  for (const char* n : {"index.dat", "Cookie.TXT", "noext", "a.b.c", "abc.datx"}) put(n);
  EXPECT_THAT(names(at("*.*")),
              ElementsAre("Cookie.TXT", "a.b.c", "abc.datx", "index.dat", "noext"));
  EXPECT_THAT(names(at("*")), ElementsAre("Cookie.TXT", "a.b.c", "abc.datx", "index.dat", "noext"));
  // Patterns also meet the made-up 8.3 name: "abc.datx" is "ABC~1.DAT" there.
  EXPECT_THAT(names(at("*.dat")), ElementsAre("abc.datx", "index.dat"));
  EXPECT_THAT(names(at("index.*")), ElementsAre("index.dat"));
  EXPECT_THAT(names(at("*.txt")), ElementsAre("Cookie.TXT"));
  EXPECT_THAT(names(at("INDEX.DAT")), ElementsAre("index.dat"));
  EXPECT_THAT(names(at("?oext")), ElementsAre("noext"));
  EXPECT_THAT(names(at("noext.*")), ElementsAre("noext"));
  EXPECT_THAT(names(at("a*.c")), ElementsAre("a.b.c"));
}

TEST_P(FilesContract, FindReportsMissingNamesAndFolders) {
  int calls = 0;
  auto count = [&](const FindData&) { return ++calls, true; };
  EXPECT_EQ(files().find(at("nothing.*"), count), err::kFileNotFound);
  EXPECT_EQ(files().find(at("nofolder\\*.*"), count), err::kPathNotFound);
  EXPECT_EQ(calls, 0);
}

TEST_P(FilesContract, SubFoldersListDotEntriesAndAttributes) {
  ASSERT_EQ(files().createDirectory(at("sub")), err::kSuccess);
  ASSERT_EQ(files().writeFile(at("sub\\h.dat"), "12345"), err::kSuccess);
  ASSERT_EQ(files().setAttributes(at("sub\\h.dat"), attr::kHidden | attr::kSystem), err::kSuccess);
  std::vector<std::string> all;
  FindData hidden;
  files().find(at("sub\\*.*"), [&](const FindData& d) {
    all.push_back(d.name);
    if (d.name == "h.dat") hidden = d;
    return true;
  });
  EXPECT_THAT(all, UnorderedElementsAre(".", "..", "h.dat"));
  EXPECT_EQ(hidden.size, 5u);
  EXPECT_EQ(hidden.attributes & (attr::kHidden | attr::kSystem), attr::kHidden | attr::kSystem);
  std::uint32_t a = 0;
  ASSERT_EQ(files().getAttributes(at("sub"), a), err::kSuccess);
  EXPECT_TRUE(a & attr::kDirectory);
}

TEST_P(FilesContract, DirMaskHidesHiddenAndFoldersUnlessAsked) {
  put("plain.dat");
  put("hidden.dat");
  files().setAttributes(at("hidden.dat"), attr::kHidden);
  files().createDirectory(at("folder.dat"));
  auto collect = [&](std::uint32_t mask) {
    std::vector<std::string> out;
    files().find(at("*.dat"), [&](const FindData& d) {
      if (matchesDirMask(d.attributes, mask)) out.push_back(d.name);
      return true;
    });
    std::sort(out.begin(), out.end());
    return out;
  };
  EXPECT_THAT(collect(dirmask::kNormal), ElementsAre("plain.dat"));
  EXPECT_THAT(collect(39), ElementsAre("hidden.dat", "plain.dat"));
  EXPECT_THAT(collect(55), ElementsAre("folder.dat", "hidden.dat", "plain.dat"));
  ErrorCode e;
  EXPECT_TRUE(firstDirEntry(files(), dir + "\\", dirmask::kDirectory, e).has_value());
  EXPECT_FALSE(firstDirEntry(files(), at("folder.dat"), dirmask::kNormal, e).has_value());
}

TEST_P(FilesContract, ReadWriteAppendRoundTrip) {
  std::string bytes("a\0b\r\nc", 6);
  put("f.bin", bytes);
  std::string got;
  ASSERT_EQ(files().readFile(at("f.bin"), got), err::kSuccess);
  EXPECT_EQ(got, bytes);
  ASSERT_EQ(files().appendFile(at("f.bin"), "++"), err::kSuccess);
  ASSERT_EQ(files().appendFile(at("new.log"), "first"), err::kSuccess);
  files().readFile(at("f.bin"), got);
  EXPECT_EQ(got, bytes + "++");
  files().readFile(at("new.log"), got);
  EXPECT_EQ(got, "first");
  put("f.bin", "short");
  files().readFile(at("f.bin"), got);
  EXPECT_EQ(got, "short");
  EXPECT_EQ(files().readFile(at("missing"), got), err::kFileNotFound);
  EXPECT_EQ(files().readFile(at("nofolder\\missing"), got), err::kPathNotFound);
  EXPECT_EQ(files().writeFile(at("nofolder\\x"), "x"), err::kPathNotFound);
}

TEST_P(FilesContract, ReadOnlyFilesRefuseChangeUntilCleared) {
  put("ro.txt", "keep");
  ASSERT_EQ(files().setAttributes(at("ro.txt"), attr::kReadOnly), err::kSuccess);
  EXPECT_EQ(files().deleteFile(at("ro.txt")), err::kAccessDenied);
  EXPECT_EQ(files().writeFile(at("ro.txt"), "lost"), err::kAccessDenied);
  put("other.txt", "new");
  EXPECT_EQ(files().renameFile(at("other.txt"), at("ro.txt")), err::kAccessDenied);
  std::string got;
  files().readFile(at("ro.txt"), got);
  EXPECT_EQ(got, "keep");
  ASSERT_EQ(files().setAttributes(at("ro.txt"), attr::kNormal), err::kSuccess);
  EXPECT_EQ(files().deleteFile(at("ro.txt")), err::kSuccess);
  EXPECT_EQ(files().deleteFile(at("ro.txt")), err::kFileNotFound);
}

TEST_P(FilesContract, OpenFilesRefuseDeletionAndSaySoBeforehand) {
  put("locked.dat", "x");
  env->setOpen(at("locked.dat"), true);
  EXPECT_EQ(files().changeRefusal(at("locked.dat")), err::kSharingViolation);
  EXPECT_EQ(files().deleteFile(at("locked.dat")), err::kSharingViolation);
  env->setOpen(at("locked.dat"), false);
  EXPECT_EQ(files().changeRefusal(at("locked.dat")), err::kSuccess);
  EXPECT_EQ(files().deleteFile(at("locked.dat")), err::kSuccess);
}

TEST_P(FilesContract, RenameReplacesAnExistingFile) {
  put("a.tmp", "new");
  put("a.ini", "old");
  ASSERT_EQ(files().renameFile(at("a.tmp"), at("a.ini")), err::kSuccess);
  std::string got;
  files().readFile(at("a.ini"), got);
  EXPECT_EQ(got, "new");
  EXPECT_THAT(names(at("a.*")), ElementsAre("a.ini"));
  EXPECT_EQ(files().renameFile(at("gone"), at("x")), err::kFileNotFound);
}

TEST_P(FilesContract, FoldersAreCreatedAndRemovedOnlyWhenEmpty) {
  ASSERT_EQ(files().createDirectory(at("d")), err::kSuccess);
  EXPECT_EQ(files().createDirectory(at("d")), err::kAlreadyExists);
  put("d\\f", "x");
  EXPECT_EQ(files().removeDirectory(at("d")), err::kDirNotEmpty);
  files().deleteFile(at("d\\f"));
  EXPECT_EQ(files().removeDirectory(at("d")), err::kSuccess);
  EXPECT_EQ(files().removeDirectory(at("d")), err::kFileNotFound);
  EXPECT_EQ(files().deleteFile(at("nofolder\\f")), err::kPathNotFound);
}

TEST_P(FilesContract, NamesAreCaseInsensitiveButKeepTheirSpelling) {
  put("MixedCase.Dat", "1");
  std::string got;
  EXPECT_EQ(files().readFile(at("mixedcase.dat"), got), err::kSuccess);
  put("MIXEDCASE.DAT", "2");
  EXPECT_THAT(names(at("*")), ElementsAre("MixedCase.Dat"));
  files().readFile(at("mixedCASE.dat"), got);
  EXPECT_EQ(got, "2");
}

#ifdef _WIN32
// A path spelled with short names differs from the one the system reaches, yet no link
// lies on the way: changes to it are made. (The real files only: the fakes know no
// short path of a whole path.)
TEST_P(FilesContract, AFileAskedForByItsShortNameIsNoLink) {
  if (GetParam().name != "Win32") GTEST_SKIP();
  ASSERT_EQ(files().createDirectory(at("A Long Folder Name")), err::kSuccess);
  put("A Long Folder Name\\A Long File Name.text", "short");
  char shortPath[MAX_PATH];
  const DWORD n = GetShortPathNameA(at("A Long Folder Name\\A Long File Name.text").c_str(),
                                    shortPath, MAX_PATH);
  ASSERT_GT(n, 0u);
  ASSERT_LT(n, static_cast<DWORD>(MAX_PATH));
  const std::string asked(shortPath, n);
  if (asked == at("A Long Folder Name\\A Long File Name.text")) GTEST_SKIP() << "no short names";
  EXPECT_EQ(files().changeRefusal(asked), err::kSuccess) << asked;
  EXPECT_EQ(files().deleteFile(asked), err::kSuccess) << asked;
  EXPECT_THAT(names(at("A Long Folder Name\\*")), ::testing::IsEmpty());
}
#endif

INSTANTIATE_TEST_SUITE_P(Platforms, FilesContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
