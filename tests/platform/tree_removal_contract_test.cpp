// Removal of folders and patterns, against the fake (with Windows' and with Wine's link
// behaviour) natively and against Win32 under Wine, where the links are real Unix links.
#include <gtest/gtest.h>

#include "tests/support/contract_env.h"

using namespace platform;
using testing_support::ContractEnv;
using testing_support::EnvMaker;

namespace {

std::vector<EnvMaker> removalEnvs() {
  std::vector<EnvMaker> envs = testing_support::contractEnvs();
  envs.push_back({"FakeWithWineLinks", testing_support::makeFakeEnvWithWineLinks});
  return envs;
}

}  // namespace

class TreeRemovalContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    tree = env->scratch() + "\\tree";
    outside = env->scratch() + "\\outside";
    ASSERT_EQ(files().createDirectory(tree), err::kSuccess);
    // What a link points at: a folder beside the tree, with files, a read-only file and
    // a sub-folder of its own, and an empty folder.
    ASSERT_EQ(files().createDirectory(outside), err::kSuccess);
    ASSERT_EQ(files().createDirectory(outside + "\\inner"), err::kSuccess);
    ASSERT_EQ(files().createDirectory(outside + "\\empty"), err::kSuccess);
    write(outside + "\\keep.txt", "keep");
    write(outside + "\\inner\\deep.txt", "deep");
    write(outside + "\\locked.txt", "locked");
    ASSERT_EQ(files().setAttributes(outside + "\\locked.txt", attr::kReadOnly), err::kSuccess);
  }
  void TearDown() override {
    // The environment removes its scratch folder; read-only files first become normal.
    files().setAttributes(outside + "\\locked.txt", attr::kNormal);
  }

  Files& files() { return env->system().files; }
  TreeRemoval& removal() { return env->system().removal; }
  void write(const std::string& path, const std::string& text) {
    ASSERT_EQ(files().writeFile(path, text), err::kSuccess) << path;
  }
  bool exists(const std::string& path) {
    std::uint32_t a = 0;
    return files().getAttributes(path, a) == err::kSuccess;
  }
  std::string read(const std::string& path) {
    std::string text;
    return files().readFile(path, text) == err::kSuccess ? text : "<missing>";
  }
  int entriesIn(const std::string& folder) {
    int n = 0;
    files().find(folder + "\\*.*", [&](const FindData& d) {
      if (d.name != "." && d.name != "..") ++n;
      return true;
    });
    return n;
  }
  void expectOutsideIntact() {
    EXPECT_EQ(read(outside + "\\keep.txt"), "keep") << env->dump();
    EXPECT_EQ(read(outside + "\\inner\\deep.txt"), "deep") << env->dump();
    EXPECT_EQ(read(outside + "\\locked.txt"), "locked") << env->dump();
    EXPECT_TRUE(exists(outside + "\\empty")) << env->dump();
  }
  // A link the system cannot remove alone stays, and the report says so.
  void expectLinkRemovedOrReported(const std::string& link, const RemovalReport& r) {
    if (exists(link)) {
      EXPECT_GE(r.linksKept, 1u) << link;
      EXPECT_GE(r.notRemoved, r.linksKept);
      EXPECT_EQ(r.firstError, err::kNotSupported);
    }
  }

  std::unique_ptr<ContractEnv> env;
  std::string tree, outside;
};

TEST_P(TreeRemovalContract, EmptyingRemovesFilesReadOnlyFilesAndNestedFoldersButKeepsTheFolder) {
  write(tree + "\\a.txt", "a");
  write(tree + "\\ro.txt", "r");
  ASSERT_EQ(files().setAttributes(tree + "\\ro.txt", attr::kReadOnly | attr::kHidden),
            err::kSuccess);
  ASSERT_EQ(files().createDirectory(tree + "\\sub"), err::kSuccess);
  ASSERT_EQ(files().createDirectory(tree + "\\sub\\deeper"), err::kSuccess);
  write(tree + "\\sub\\b.ocx", "b");
  write(tree + "\\sub\\deeper\\c.inf", "c");
  ASSERT_EQ(files().setAttributes(tree + "\\sub\\deeper\\c.inf", attr::kReadOnly), err::kSuccess);

  RemovalReport r = removal().emptyFolder(tree + "\\");
  EXPECT_TRUE(r.complete()) << r.firstPath << " " << r.firstError << "\n" << env->dump();
  EXPECT_EQ(r.removed, 6u);  // four files, two folders
  EXPECT_TRUE(exists(tree));
  EXPECT_EQ(entriesIn(tree), 0) << env->dump();

  write(tree + "\\again.txt", "x");
  r = removal().removeFolder(tree);
  EXPECT_TRUE(r.complete());
  EXPECT_EQ(r.removed, 2u);
  EXPECT_FALSE(exists(tree));
}

TEST_P(TreeRemovalContract, ALinkToAFolderOutsideIsNeverEnteredOrFollowed) {
  write(tree + "\\plain.txt", "p");
  ASSERT_EQ(files().createDirectory(tree + "\\sub"), err::kSuccess);
  ASSERT_TRUE(env->makeLink(tree + "\\sub\\away", outside));
  // A link to an empty folder: removing it as a folder must not remove the target.
  ASSERT_TRUE(env->makeLink(tree + "\\toEmpty", outside + "\\empty"));
  std::uint32_t a = 0;
  ASSERT_EQ(files().getAttributes(tree + "\\sub\\away", a), err::kSuccess);
  ASSERT_TRUE(a & attr::kReparsePoint) << std::hex << a;

  RemovalReport r = removal().emptyFolder(tree);
  expectOutsideIntact();
  EXPECT_FALSE(exists(tree + "\\plain.txt"));
  expectLinkRemovedOrReported(tree + "\\sub\\away", r);
  expectLinkRemovedOrReported(tree + "\\toEmpty", r);
  // The folder holding a kept link stays with it, and is not counted twice.
  EXPECT_EQ(exists(tree + "\\sub"), exists(tree + "\\sub\\away"));
  EXPECT_EQ(r.notRemoved, r.linksKept);
  EXPECT_EQ(r.removed + r.notRemoved, r.linksKept == 0 ? 4u : 3u) << env->dump();
}

TEST_P(TreeRemovalContract, ALinkLoopEndsAndEverythingElseGoes) {
  ASSERT_EQ(files().createDirectory(tree + "\\a"), err::kSuccess);
  write(tree + "\\a\\index.dat", "x");
  // One link back up: a walk that entered it would go round until its depth limit.
  ASSERT_TRUE(env->makeLink(tree + "\\a\\up", tree));

  RemovalReport r = removal().removeFolder(tree);
  EXPECT_FALSE(exists(tree + "\\a\\index.dat")) << env->dump();
  EXPECT_EQ(r.notRemoved, r.linksKept);
  if (r.linksKept == 0) {
    EXPECT_FALSE(exists(tree));
  }
  expectOutsideIntact();
}

TEST_P(TreeRemovalContract, APatternRemovesMatchingFilesOnly) {
  write(tree + "\\a.tmp", "a");
  write(tree + "\\b.tmp", "b");
  ASSERT_EQ(files().setAttributes(tree + "\\b.tmp", attr::kReadOnly), err::kSuccess);
  write(tree + "\\c.txt", "c");
  ASSERT_EQ(files().createDirectory(tree + "\\folder.tmp"), err::kSuccess);
  write(tree + "\\folder.tmp\\d.tmp", "d");
  ASSERT_TRUE(env->makeLink(tree + "\\link.tmp", outside));

  RemovalReport r = removal().removeMatching(tree + "\\*.tmp");
  EXPECT_TRUE(r.complete()) << r.firstPath;
  EXPECT_EQ(r.removed, 2u);
  EXPECT_FALSE(exists(tree + "\\a.tmp"));
  EXPECT_FALSE(exists(tree + "\\b.tmp"));
  EXPECT_EQ(read(tree + "\\c.txt"), "c");
  EXPECT_EQ(read(tree + "\\folder.tmp\\d.tmp"), "d");
  EXPECT_TRUE(exists(tree + "\\link.tmp"));
  expectOutsideIntact();
}

TEST_P(TreeRemovalContract, WhatCannotBeRemovedIsCountedAndTheRestGoes) {
  ASSERT_EQ(files().createDirectory(tree + "\\busy"), err::kSuccess);
  write(tree + "\\busy\\open.dat", "o");
  write(tree + "\\busy\\free.dat", "f");
  write(tree + "\\z.dat", "z");
  env->setOpen(tree + "\\busy\\open.dat", true);

  RemovalReport r = removal().emptyFolder(tree);
  env->setOpen(tree + "\\busy\\open.dat", false);
  EXPECT_EQ(r.notRemoved, 1u) << env->dump();
  EXPECT_EQ(r.firstPath, tree + "\\busy\\open.dat");
  EXPECT_EQ(r.firstError, err::kSharingViolation);
  EXPECT_EQ(r.removed, 2u);
  EXPECT_FALSE(exists(tree + "\\busy\\free.dat"));
  EXPECT_FALSE(exists(tree + "\\z.dat"));
  EXPECT_TRUE(exists(tree + "\\busy\\open.dat"));
}

TEST_P(TreeRemovalContract, AFolderReachedThroughALinkIsNotWalked) {
  ASSERT_TRUE(env->makeLink(tree + "\\away", outside));

  for (const std::string& start : {tree + "\\away", tree + "\\away\\inner\\"}) {
    RemovalReport r = removal().emptyFolder(start);
    EXPECT_EQ(r.notRemoved, 1u) << start;
    EXPECT_EQ(r.removed, 0u) << start;
    EXPECT_EQ(r.firstError, err::kReparsePointEncountered) << start;
    EXPECT_EQ(removal().removeFolder(start).removed, 0u) << start;
    EXPECT_EQ(removal().removeMatching(start + "\\*.*").removed, 0u) << start;
  }
  expectOutsideIntact();

  RemovalReport missing = removal().emptyFolder(tree + "\\missing\\");
  EXPECT_TRUE(missing.complete());
  EXPECT_EQ(missing.removed, 0u);
}

TEST_P(TreeRemovalContract, ALinkToAFileGoesAndItsTargetStays) {
  ASSERT_TRUE(env->makeLink(tree + "\\shortcut.txt", outside + "\\keep.txt"));
  EXPECT_EQ(read(tree + "\\shortcut.txt"), "keep");

  RemovalReport r = removal().emptyFolder(tree);
  expectLinkRemovedOrReported(tree + "\\shortcut.txt", r);
  EXPECT_EQ(r.notRemoved, r.linksKept);
  expectOutsideIntact();
  // Nothing else reaches through it either.
  if (exists(tree + "\\shortcut.txt")) {
    EXPECT_NE(files().deleteFile(tree + "\\shortcut.txt"), err::kSuccess);
    EXPECT_NE(files().setAttributes(tree + "\\shortcut.txt", attr::kReadOnly), err::kSuccess);
    EXPECT_NE(files().overwriteInPlace(tree + "\\shortcut.txt", "XXXX"), err::kSuccess);
    expectOutsideIntact();
  }
  // removeLink refuses anything that is no link.
  EXPECT_EQ(files().removeLink(outside + "\\keep.txt"), err::kInvalidParameter);
  EXPECT_EQ(files().removeLink(outside + "\\inner"), err::kInvalidParameter);
  expectOutsideIntact();
}

// Single files, selections and overwrites: a refusal is listed with its reason and the
// rest goes; a link is removed as a link or kept, and never written through.
TEST_P(TreeRemovalContract, SingleFilesSelectionsAndOverwritesKeepToTheSameRules) {
  write(tree + "\\old.tmp", "o");
  write(tree + "\\new.tmp", "n");
  write(tree + "\\ro.tmp", "r");
  ASSERT_EQ(files().setAttributes(tree + "\\ro.tmp", attr::kReadOnly), err::kSuccess);
  write(tree + "\\open.tmp", "x");
  ASSERT_TRUE(env->makeLink(tree + "\\file-link.tmp", outside + "\\keep.txt"));
  ASSERT_TRUE(env->makeLink(tree + "\\away", outside));
  env->setOpen(tree + "\\open.tmp", true);
  RemovalReport r = removal().removeSelected(tree + "\\*.*",
                                             [](const FindData& d) { return d.name != "new.tmp"; });
  env->setOpen(tree + "\\open.tmp", false);
  EXPECT_FALSE(exists(tree + "\\old.tmp"));
  EXPECT_FALSE(exists(tree + "\\ro.tmp"));
  EXPECT_EQ(read(tree + "\\new.tmp"), "n");
  EXPECT_TRUE(exists(tree + "\\open.tmp"));
  EXPECT_TRUE(exists(tree + "\\away"));  // folders stay, links to them too
  expectLinkRemovedOrReported(tree + "\\file-link.tmp", r);
  ASSERT_EQ(r.refused.size(), r.notRemoved);
  EXPECT_EQ(r.refused.front().path, r.firstPath);
  bool openListed = false;
  for (const Refusal& refusal : r.refused)
    openListed = openListed ||
                 (refusal.path == tree + "\\open.tmp" && refusal.error == err::kSharingViolation);
  EXPECT_TRUE(openListed) << env->dump();
  expectOutsideIntact();

  EXPECT_EQ(removal().removeFile(tree + "\\new.tmp").removed, 1u);
  EXPECT_FALSE(exists(tree + "\\new.tmp"));
  EXPECT_TRUE(removal().removeFile(tree + "\\missing.tmp").complete());
  ASSERT_EQ(files().createDirectory(tree + "\\folder"), err::kSuccess);
  EXPECT_EQ(removal().removeFile(tree + "\\folder").firstError, err::kAccessDenied);
  EXPECT_EQ(removal().removeFile(tree + "\\away\\keep.txt").firstError,
            err::kReparsePointEncountered);

  write(tree + "\\cookie.txt", "0123456789");
  EXPECT_EQ(removal().overwriteFile(tree + "\\cookie.txt", "ab"), err::kSuccess);
  EXPECT_EQ(read(tree + "\\cookie.txt"), "ab");
  EXPECT_EQ(removal().overwriteFile(tree + "\\gone.txt", "ab"), err::kFileNotFound);
  if (exists(tree + "\\file-link.tmp")) {
    EXPECT_NE(removal().overwriteFile(tree + "\\file-link.tmp", "XX"), err::kSuccess);
  }
  EXPECT_NE(removal().overwriteFile(tree + "\\away\\keep.txt", "XX"), err::kSuccess);
  expectOutsideIntact();
}

INSTANTIATE_TEST_SUITE_P(Platforms, TreeRemovalContract, ::testing::ValuesIn(removalEnvs()),
                         [](const auto& info) { return info.param.name; });
