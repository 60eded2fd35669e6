// The shell services against the fake natively and against the real shell under Wine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/contract_env.h"

using namespace platform;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using testing_support::ContractEnv;
using testing_support::EnvMaker;

class ShellContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    dir = env->scratch();
  }
  Files& files() { return env->system().files; }
  Shell& shell() { return env->system().shell; }
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
  std::string read(const std::string& name) {
    std::string got;
    files().readFile(at(name), got);
    return got;
  }

  std::unique_ptr<ContractEnv> env;
  std::string dir;
};

TEST_P(ShellContract, DeletingAPatternEmptiesTheFolderWithItsSubFolders) {
  files().createDirectory(at("dpf"));
  put("dpf\\a.ocx");
  put("dpf\\b.inf");
  files().createDirectory(at("dpf\\sub"));
  put("dpf\\sub\\deep.txt");
  put("beside.txt");
  EXPECT_EQ(shell().deleteFiles(0, at("dpf\\*.*")), err::kSuccess) << env->dump();
  EXPECT_THAT(names(at("dpf\\*.*")), IsEmpty()) << env->dump();
  EXPECT_THAT(names(at("dpf\\sub\\*.*")), IsEmpty()) << env->dump();
  EXPECT_THAT(names(at("*.*")), ElementsAre("beside.txt", "dpf"));
}

TEST_P(ShellContract, AReadOnlyFileStopsTheDeletionAndStays) {
  files().createDirectory(at("dpf"));
  put("dpf\\ro.dll", "ro");
  files().setAttributes(at("dpf\\ro.dll"), attr::kReadOnly);
  EXPECT_NE(shell().deleteFiles(0, at("dpf\\*.*")), err::kSuccess);
  EXPECT_EQ(read("dpf\\ro.dll"), "ro");
}

TEST_P(ShellContract, DeletingAPatternTakesOnlyMatchingNames) {
  put("one.chk");
  put("two.CHK");
  put("keep.txt");
  EXPECT_EQ(shell().deleteFiles(0, at("*.chk")), err::kSuccess);
  EXPECT_THAT(names(at("*.*")), ElementsAre("keep.txt"));
}

TEST_P(ShellContract, DeletingAFolderTakesItWhole) {
  files().createDirectory(at("gone"));
  put("gone\\f.txt");
  EXPECT_EQ(shell().deleteFiles(0, at("gone")), err::kSuccess);
  EXPECT_THAT(names(at("*.*")), IsEmpty()) << env->dump();
  EXPECT_NE(shell().deleteFiles(0, at("gone")), err::kSuccess);
}

TEST_P(ShellContract, CopyCreatesAndReplacesTheTarget) {
  put("ow.chx", "scratch bytes");
  EXPECT_EQ(shell().copyFile(0, at("ow.chx"), at("cookie.txt")), err::kSuccess);
  EXPECT_EQ(read("cookie.txt"), "scratch bytes");
  put("cookie2.txt", "a much longer old cookie text than the scratch file");
  EXPECT_EQ(shell().copyFile(0, at("ow.chx"), at("cookie2.txt")), err::kSuccess);
  EXPECT_EQ(read("cookie2.txt"), "scratch bytes");
  EXPECT_NE(shell().copyFile(0, at("missing.chx"), at("cookie2.txt")), err::kSuccess);
  EXPECT_EQ(read("cookie2.txt"), "scratch bytes");
}

TEST_P(ShellContract, KnownFoldersAreExistingFoldersWithoutTrailingSeparator) {
  for (int id : {csidl::kWindows, csidl::kSystem, csidl::kProgramFiles}) {
    std::string path;
    ASSERT_EQ(shell().knownFolder(id, path), err::kSuccess) << id;
    ASSERT_GT(path.size(), 3u) << id;
    EXPECT_EQ(path[1], ':') << path;
    EXPECT_NE(path.back(), '\\') << path;
    std::uint32_t a = 0;
    ASSERT_EQ(files().getAttributes(path, a), err::kSuccess) << path;
    EXPECT_TRUE(a & attr::kDirectory) << path;
  }
  std::string unknown = "kept";
  EXPECT_NE(shell().knownFolder(0x7F, unknown), err::kSuccess);
  EXPECT_EQ(unknown, "kept");
}

TEST_P(ShellContract, TempPathEndsInASeparatorAndExists) {
  std::string temp = shell().tempPath();
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), '\\');
}

TEST_P(ShellContract, EmptyingTheRecycleBinRemovesWhatWasRecycled) {
  if (!env->recycleBinIsScratch())
    GTEST_SKIP() << "not the project's own Wine prefix: a real Recycle Bin stays untouched";
  put("bin-me.txt", "recycled");
  ASSERT_TRUE(env->recycle(at("bin-me.txt")));
  long long before = env->recycleBinItems();
  if (before < 0) GTEST_SKIP() << "the Recycle Bin cannot be counted here";
  EXPECT_GE(before, 1);
  long long items = -1, bytes = -1;
  ASSERT_EQ(shell().recycleBinContents("", items, bytes), err::kSuccess);
  EXPECT_EQ(items, before);
  EXPECT_GT(bytes, 0);
  shell().emptyRecycleBin(0, "");
  EXPECT_EQ(env->recycleBinItems(), 0);
  ASSERT_EQ(shell().recycleBinContents("", items, bytes), err::kSuccess);
  EXPECT_EQ(items, 0);
}

TEST_P(ShellContract, FolderPickerReturnsTheChosenFolderOrNothingOnCancel) {
  files().createDirectory(at("picked"));
  std::string path = "unchanged";
  auto pick = [&] { return shell().browseForFolder(0, "Choose a folder", at("picked"), path); };
  EXPECT_FALSE(env->answeringFolderPicker(false, at("picked"), pick));
  EXPECT_EQ(path, "unchanged");
  ASSERT_TRUE(env->answeringFolderPicker(true, at("picked"), pick));
  // The real picker may spell the path in long or short form; it names the same folder.
  std::uint32_t a = 0;
  ASSERT_EQ(files().getAttributes(path, a), err::kSuccess) << path;
  EXPECT_TRUE(a & attr::kDirectory);
  EXPECT_NE(path.back(), '\\');
  std::string leaf = path.substr(path.find_last_of('\\') + 1);
  std::transform(leaf.begin(), leaf.end(), leaf.begin(), ::tolower);
  EXPECT_EQ(leaf, "picked") << path;
}

INSTANTIATE_TEST_SUITE_P(Platforms, ShellContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });

class OverwriteContract : public ShellContract {};

TEST_P(OverwriteContract, OverwritesTheWholeOldLengthWithThePatternRepeated) {
  put("cookie.txt", std::string(10000, 'C'));
  ASSERT_EQ(files().overwriteInPlace(at("cookie.txt"), "0123456789ab"), err::kSuccess);
  std::string expected;
  while (expected.size() < 10000) expected += "0123456789ab";
  expected.resize(10000);
  EXPECT_EQ(read("cookie.txt"), expected);
  ASSERT_EQ(files().setFileLength(at("cookie.txt"), 12), err::kSuccess);
  EXPECT_EQ(read("cookie.txt"), "0123456789ab");
  // A file shorter than the pattern grows to the whole pattern.
  put("short.txt", "ab");
  ASSERT_EQ(files().overwriteInPlace(at("short.txt"), "pattern"), err::kSuccess);
  EXPECT_EQ(read("short.txt"), "pattern");
  put("empty.txt", "");
  ASSERT_EQ(files().overwriteInPlace(at("empty.txt"), "pattern"), err::kSuccess);
  EXPECT_EQ(read("empty.txt"), "pattern");
  EXPECT_EQ(files().setFileLength(at("missing.txt"), 1), err::kFileNotFound);
}

TEST_P(OverwriteContract, RefusesMissingReadOnlyAndOpenFiles) {
  EXPECT_EQ(files().overwriteInPlace(at("missing.txt"), "p"), err::kFileNotFound);
  EXPECT_THAT(names(at("*.*")), IsEmpty());
  put("ro.txt", "keep");
  files().setAttributes(at("ro.txt"), attr::kReadOnly);
  EXPECT_EQ(files().overwriteInPlace(at("ro.txt"), "p"), err::kAccessDenied);
  EXPECT_EQ(read("ro.txt"), "keep");
  put("open.txt", "keep");
  env->setOpen(at("open.txt"), true);
  EXPECT_EQ(files().overwriteInPlace(at("open.txt"), "p"), err::kSharingViolation);
  EXPECT_EQ(files().setFileLength(at("open.txt"), 1), err::kSharingViolation);
  env->setOpen(at("open.txt"), false);
  EXPECT_EQ(read("open.txt"), "keep");
}

INSTANTIATE_TEST_SUITE_P(Platforms, OverwriteContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
