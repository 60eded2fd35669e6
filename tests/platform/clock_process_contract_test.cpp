#include <gtest/gtest.h>

#include "common/settings.h"
#include "platform/file_time.h"
#include "tests/support/contract_env.h"

using namespace platform;
using testing_support::EnvMaker;

class ClockProcessContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override { env = GetParam().make(); }
  std::unique_ptr<testing_support::ContractEnv> env;
};

TEST_P(ClockProcessContract, GeneralDateHoldsTheDateThenABlankThenTheTime) {
  Clock& clock = env->system().clock;
  const std::string text = clock.generalDate({2001, 4, 12, 22, 15, 37, 0});
  EXPECT_NE(text.find("2001"), std::string::npos) << text;
  EXPECT_NE(text.find("15"), std::string::npos) << text;
  EXPECT_NE(text.find("37"), std::string::npos) << text;
  EXPECT_LT(text.find("2001"), text.find(' ')) << "date first: " << text;
  EXPECT_NE(clock.generalDate({2001, 4, 12, 22, 15, 38, 0}), text);
}

TEST_P(ClockProcessContract, FileTimesComeBackOnTheLocalClockToTheSecond) {
  Clock& clock = env->system().clock;
  LocalTime now = clock.now();
  EXPECT_GE(now.year, 2001);
  // A round trip through the local clock keeps minutes and seconds in any time zone
  // whose offset is whole quarter hours.
  LocalTime t = clock.toLocal(fileTimeFromCalendar({2001, 4, 12, 10, 15, 37, 0}));
  EXPECT_EQ(t.second, 37);
  EXPECT_EQ(t.minute % 15, 0);
}

TEST_P(ClockProcessContract, ProgramFolderIsAnExistingFolder) {
  std::string folder = common::programFolder(env->system().process);
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(common::folderExists(env->system().files, folder));
}

TEST_P(ClockProcessContract, ProgramFileIsAnExistingFileInTheProgramFolder) {
  platform::ProcessInfo& process = env->system().process;
  const std::string file = process.programFile();
  const std::string folder = common::programFolder(process);
  ASSERT_GT(file.size(), folder.size() + 1) << file;
  EXPECT_EQ(file.substr(0, folder.size() + 1), folder + "\\") << file;
  EXPECT_EQ(file.find_first_of("\\/", folder.size() + 1), std::string::npos) << file;
  EXPECT_TRUE(common::fileExists(env->system().files, file)) << file;
}

INSTANTIATE_TEST_SUITE_P(Platforms, ClockProcessContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
