// File identities, against the fake natively and against Win32 under Wine.
#include <gtest/gtest.h>

#include <map>

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

TEST_P(FileIdentityContract, ListingGivesTheIndexesOfTheEntries) {
  ASSERT_EQ(sys().files.createDirectory(dir + "\\Sub"), err::kSuccess);
  ASSERT_EQ(sys().files.writeFile(dir + "\\index.dat", "12345"), err::kSuccess);
  ASSERT_EQ(sys().files.setAttributes(dir + "\\index.dat", attr::kHidden), err::kSuccess);
  std::map<std::string, std::pair<FindData, std::uint64_t>> seen;
  ASSERT_EQ(sys().identity.listWithIndexes(dir,
                                           [&](const FindData& d, std::uint64_t index) {
                                             seen[d.name] = {d, index};
                                             return true;
                                           }),
            err::kSuccess);
  ASSERT_EQ(seen.count("Sub"), 1u);
  ASSERT_EQ(seen.count("index.dat"), 1u);
  EXPECT_EQ(seen.count("."), 1u);  // listed as find lists them
  FileId sub, file;
  ASSERT_EQ(sys().identity.identify(dir + "\\Sub", sub), err::kSuccess);
  ASSERT_EQ(sys().identity.identify(dir + "\\index.dat", file), err::kSuccess);
  EXPECT_EQ(seen["Sub"].second, sub.fileIndex);
  EXPECT_EQ(seen["index.dat"].second, file.fileIndex);
  EXPECT_TRUE(seen["Sub"].first.isDirectory());
  EXPECT_EQ(seen["index.dat"].first.size, 5u);
  EXPECT_EQ(seen["index.dat"].first.attributes & attr::kHidden, attr::kHidden);

  int calls = 0;
  auto count = [&](const FindData&, std::uint64_t) { return ++calls < 1; };
  EXPECT_EQ(sys().identity.listWithIndexes(dir, count), err::kSuccess);
  EXPECT_EQ(calls, 1);  // the visitor stopped it
  EXPECT_EQ(sys().identity.listWithIndexes(dir + "\\missing", count), err::kPathNotFound);
}

INSTANTIATE_TEST_SUITE_P(Platforms, FileIdentityContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
