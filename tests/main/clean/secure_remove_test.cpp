#include "main/clean/secure_remove.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <set>
#include <sstream>

#include "tests/main/clean/clean_fixture.h"

using namespace vorn;
using ::testing::HasSubstr;

TEST(SafetyLevel, PassesFollowTheLevelTable) {
  EXPECT_EQ(passesForLevel("1"), 0);
  EXPECT_EQ(passesForLevel("2"), 1);
  EXPECT_EQ(passesForLevel("3"), 3);
  EXPECT_EQ(passesForLevel("4"), 5);
  EXPECT_EQ(passesForLevel("5"), 7);
  // Anything else is read as the highest level, never as "no passes".
  EXPECT_EQ(passesForLevel(""), 7);
  EXPECT_EQ(passesForLevel("9"), 7);
}

TEST(SafetyLevel, SliderPositionsSetLevelAndCaption) {
  SliderSettings three = fixSliderSettings(3);
  EXPECT_EQ(three.safetyLevel, "3");
  EXPECT_EQ(three.caption,
            "Safety level 3, overwriting each file three times with random characters. This "
            "will make the cleaning process slower");
  EXPECT_EQ(fixSliderSettings(1).caption,
            "Safety level 1, recommended for normal use, removing files.");
  EXPECT_EQ(fixSliderSettings(2).safetyLevel, "2");
  EXPECT_EQ(fixSliderSettings(4).safetyLevel, "4");
  for (int outside : {0, 5, 6, -1}) {
    EXPECT_EQ(fixSliderSettings(outside).safetyLevel, "5") << outside;
    EXPECT_THAT(fixSliderSettings(outside).caption, HasSubstr("seven times")) << outside;
  }
}

class SecureRemoval : public clean_test::CleanSession {
 protected:
  void SetUp() override {
    fake.files.addFile(folder() + "\\ow.chx", scratch1);
    fake.files.addFile(folder() + "\\ow2.chx", scratch2);
    paths.ieCookiesFolder = "C:\\WINDOWS\\Cookies\\";
    paths.netscapeUsersFolder = "C:\\Program Files\\Netscape\\Users\\";
    paths.netscapeUserName = "default";
    paths.netscapeProfile = paths.netscapeUsersFolder + paths.netscapeUserName;
    paths.operaUserFolder = "C:\\Program Files\\Opera\\";
    fake.files.onOverwrite = [this](const std::string& path, const std::string& extent) {
      overwrites.push_back({path, extent});
    };
  }
  // Draws from a script, one number per pass.
  SecureRemover remover(std::deque<double> draws) {
    auto script = std::make_shared<std::deque<double>>(std::move(draws));
    return SecureRemover(fake.files, fake.removal, log, folder(), [script] {
      double r = script->empty() ? 0.0 : script->front();
      if (!script->empty()) script->pop_front();
      return r;
    });
  }

  struct Overwrite {
    std::string path, extent;
  };
  std::string scratch1 = "ONE-scratch-bytes-", scratch2 = "two_SCRATCH_bytes_longer_";
  PathValues paths;
  std::vector<Overwrite> overwrites;
};

TEST_F(SecureRemoval, LevelFiveOverwritesSevenTimesWithFreshChoicesThenDeletes) {
  const std::string cookie = paths.ieCookiesFolder + "user@site[1].txt";
  const std::string old(1000, 'S');
  fake.files.addFile(cookie, old);
  SecureRemover r = remover({0.1, 0.7, 0.2, 0.99, 0.0, 0.5, 0.49});
  std::vector<std::string> seen;
  r.secureRemove(cookie, "5", [&] {
    r.overWriteFileIE(paths, "user@site[1].txt");
    seen.push_back(fake.files.contents(cookie));
  });
  EXPECT_EQ(seen, (std::vector<std::string>{scratch1, scratch2, scratch1, scratch2, scratch1,
                                            scratch2, scratch1}));
  ASSERT_EQ(overwrites.size(), 7u);
  // The first pass covers the whole old length with scratch bytes, none of the old ones.
  EXPECT_EQ(overwrites[0].extent.size(), old.size());
  EXPECT_EQ(overwrites[0].extent.find('S'), std::string::npos);
  EXPECT_EQ(overwrites[0].extent.substr(0, scratch1.size()), scratch1);
  EXPECT_FALSE(fake.files.exists(cookie)) << fake.files.dump();
  EXPECT_EQ(logText(), "");
}

TEST_F(SecureRemoval, LevelOneDeletesWithoutReadingScratchFiles) {
  const std::string cookie = paths.operaUserFolder + "cookies4.dat";
  fake.files.addFile(cookie, "opera cookies");
  fake.files.deleteFile(folder() + "\\ow.chx");
  fake.files.deleteFile(folder() + "\\ow2.chx");
  SecureRemover r = remover({});
  int passes = 0;
  r.secureRemove(cookie, "1", [&] { ++passes, r.overWriteFileOpera(paths); });
  EXPECT_EQ(passes, 0);
  EXPECT_FALSE(fake.files.exists(cookie));
  EXPECT_EQ(logText(), "");
}

TEST_F(SecureRemoval, ATargetGoneBeforeAPassIsRecreatedAndThenDeleted) {
  const std::string cookie = paths.netscapeProfile + "\\cookies.txt";
  fake.files.addFolder(paths.netscapeProfile);
  SecureRemover r = remover({0.9});
  bool recreated = false;
  r.secureRemove(cookie, "2", [&] {
    r.overWriteFileNetscape(paths);
    recreated = fake.files.contents(cookie) == scratch2;
  });
  EXPECT_TRUE(recreated);
  EXPECT_FALSE(fake.files.exists(cookie)) << fake.files.dump();
}

TEST_F(SecureRemoval, AMissingScratchFileIsLoggedAndTheDeletionStillFollows) {
  const std::string cookie = paths.ieCookiesFolder + "a.txt";
  fake.files.addFile(cookie, "secret cookie");
  fake.files.deleteFile(folder() + "\\ow2.chx");
  SecureRemover r = remover({0.8, 0.1, 0.8});
  std::vector<std::string> seen;
  r.secureRemove(cookie, "3", [&] {
    r.overWriteFileIE(paths, "a.txt");
    seen.push_back(fake.files.contents(cookie));
  });
  // The pass with ow2.chx left the file as it was; the one with ow.chx went through.
  EXPECT_EQ(seen, (std::vector<std::string>{"secret cookie", scratch1, scratch1}));
  EXPECT_FALSE(fake.files.exists(cookie));
  EXPECT_THAT(logText(), HasSubstr("Module2.overWriteFileIE at line 0 - File not found (53)"));
}

TEST_F(SecureRemoval, AnOpenCookieIsLoggedPerPassAndItsDeletionRaisesToTheCaller) {
  const std::string cookie = paths.operaUserFolder + "cookies4.dat";
  fake.files.addFile(cookie, "held");
  fake.files.setOpen(cookie, true);
  SecureRemover r = remover({0.1, 0.1});
  EXPECT_THROW(r.secureRemove(cookie, "2", [&] { r.overWriteFileOpera(paths); }), common::RunError);
  EXPECT_EQ(fake.files.contents(cookie), "held");
  EXPECT_THAT(logText(), HasSubstr("Module2.overWriteFileOpera at line 0"));
}

TEST_F(SecureRemoval, TheThreeTargetsJoinTheirFoldersWithOneSeparator) {
  EXPECT_EQ(SecureRemover::ieTarget(paths, "x.txt"), "C:\\WINDOWS\\Cookies\\x.txt");
  EXPECT_EQ(SecureRemover::netscapeTarget(paths),
            "C:\\Program Files\\Netscape\\Users\\default\\cookies.txt");
  EXPECT_EQ(SecureRemover::operaTarget(paths), "C:\\Program Files\\Opera\\cookies4.dat");
}

TEST_F(SecureRemoval, TheDefaultRandomSourceUsesBothScratchFiles) {
  const std::string cookie = paths.ieCookiesFolder + "b.txt";
  fake.files.addFile(cookie, "x");
  SecureRemover r(fake.files, fake.removal, log, folder());
  std::set<std::string> used;
  for (int i = 0; i < 64; ++i) {
    r.overWriteFileIE(paths, "b.txt");
    used.insert(fake.files.contents(cookie));
  }
  EXPECT_EQ(used, (std::set<std::string>{scratch1, scratch2}));
}

// The scratch files delivered in data/: present, a few kilobytes, different, and made
// of random printable characters rather than a repeated filler.
TEST(ScratchFiles, DeliveredFilesAreDistinctRandomText) {
  std::string contents[2];
  const char* names[] = {"ow.chx", "ow2.chx"};
  for (int i = 0; i < 2; ++i) {
    std::ifstream in(std::string(TERVANE_SOURCE_DIR) + "/data/" + names[i], std::ios::binary);
    ASSERT_TRUE(in) << names[i];
    std::stringstream s;
    s << in.rdbuf();
    contents[i] = s.str();
    EXPECT_GE(contents[i].size(), 2048u) << names[i];
    EXPECT_LE(contents[i].size(), 65536u) << names[i];
    std::set<char> distinct(contents[i].begin(), contents[i].end());
    EXPECT_GT(distinct.size(), 60u) << names[i];
  }
  EXPECT_NE(contents[0], contents[1]);
}
