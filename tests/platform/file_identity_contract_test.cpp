// File identities, against the fake natively and against Win32 under Wine.
#include <gtest/gtest.h>

#include "tests/support/contract_env.h"

using namespace platform;
using testing_support::ContractEnv;
using testing_support::EnvMaker;

class FileIdentityContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    dir = env->scratch();
  }
  System& sys() { return env->system(); }
  std::unique_ptr<ContractEnv> env;
  std::string dir;
};

TEST_P(FileIdentityContract, OneFolderHasOneIdentityWhateverTheSpelling) {
  ASSERT_EQ(sys().files.createDirectory(dir + "\\Sub"), err::kSuccess);
  ASSERT_EQ(sys().files.createDirectory(dir + "\\Other"), err::kSuccess);
  FileId plain, upper, trailing, other;
  ASSERT_EQ(sys().identity.identify(dir + "\\Sub", plain), err::kSuccess);
  ASSERT_EQ(sys().identity.identify(dir + "\\SUB", upper), err::kSuccess);
  ASSERT_EQ(sys().identity.identify(dir + "\\Sub\\", trailing), err::kSuccess);
  ASSERT_EQ(sys().identity.identify(dir + "\\Other", other), err::kSuccess);
  EXPECT_EQ(plain, upper);
  EXPECT_EQ(plain, trailing);
  EXPECT_NE(plain, other);
  EXPECT_EQ(plain.volumeSerial, other.volumeSerial);  // same drive
}

TEST_P(FileIdentityContract, FilesHaveIdentitiesAndMissingPathsReportWhy) {
  ASSERT_EQ(sys().files.writeFile(dir + "\\index.dat", "x"), err::kSuccess);
  FileId file, folder;
  EXPECT_EQ(sys().identity.identify(dir + "\\index.dat", file), err::kSuccess);
  EXPECT_EQ(sys().identity.identify(dir, folder), err::kSuccess);
  EXPECT_NE(file, folder);
  FileId none;
  EXPECT_EQ(sys().identity.identify(dir + "\\missing", none), err::kFileNotFound);
  EXPECT_EQ(sys().identity.identify(dir + "\\missing\\deeper", none), err::kPathNotFound);
}

INSTANTIATE_TEST_SUITE_P(Platforms, FileIdentityContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
