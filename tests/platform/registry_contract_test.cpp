#include <gtest/gtest.h>

#include "tests/support/contract_env.h"

using namespace platform;
using testing_support::ContractEnv;
using testing_support::EnvMaker;

class RegistryContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    base = env->scratchKey();
  }
  Registry& reg() { return env->system().registry; }
  std::unique_ptr<ContractEnv> env;
  std::string base;
};

TEST_P(RegistryContract, StringValuesKeepTheirBytesAndType) {
  HKey k = 0;
  ASSERT_EQ(reg().createKey(hkey::kCurrentUser, base + "\\Values", k), err::kSuccess);
  ASSERT_EQ(reg().setValue(k, "NoNul", regtype::kString, "abc"), err::kSuccess);
  std::uint32_t type = 0, size = 0;
  ASSERT_EQ(reg().queryValueInfo(k, "nonul", type, size), err::kSuccess);
  EXPECT_EQ(type, regtype::kString);
  std::string data;
  ASSERT_EQ(reg().queryValue(k, "NONUL", size, type, data), err::kSuccess);
  EXPECT_EQ(data.substr(0, data.find('\0')), "abc");
  EXPECT_EQ(reg().queryValue(k, "NoNul", 1, type, data), err::kMoreData);
  ASSERT_EQ(reg().setValue(k, "Num", regtype::kDword, std::string("\x2a\0\0\0", 4)), err::kSuccess);
  ASSERT_EQ(reg().queryValueInfo(k, "Num", type, size), err::kSuccess);
  EXPECT_EQ(type, regtype::kDword);
  EXPECT_EQ(size, 4u);
  EXPECT_EQ(reg().queryValueInfo(k, "Missing", type, size), err::kFileNotFound);
  EXPECT_EQ(reg().closeKey(k), err::kSuccess);
}

TEST_P(RegistryContract, MissingKeysAndValuesAreReportedNotCreated) {
  HKey k = 0;
  EXPECT_EQ(reg().openKey(hkey::kCurrentUser, base + "\\Nope", access::kRead, k),
            err::kFileNotFound);
  ASSERT_EQ(reg().openKey(hkey::kCurrentUser, base, access::kAll, k), err::kSuccess);
  EXPECT_EQ(reg().deleteValue(k, "Nothing"), err::kFileNotFound);
  reg().closeKey(k);
  EXPECT_EQ(reg().openKey(hkey::kCurrentUser, base + "\\Nope", access::kRead, k),
            err::kFileNotFound);
}

TEST_P(RegistryContract, DeleteKeyRefusesKeysWithSubKeys) {
  HKey k = 0;
  ASSERT_EQ(reg().createKey(hkey::kCurrentUser, base + "\\Parent\\Child", k), err::kSuccess);
  reg().closeKey(k);
  EXPECT_NE(reg().deleteKey(hkey::kCurrentUser, base + "\\Parent"), err::kSuccess);
  EXPECT_EQ(reg().deleteKey(hkey::kCurrentUser, base + "\\Parent\\Child"), err::kSuccess);
  EXPECT_EQ(reg().deleteKey(hkey::kCurrentUser, base + "\\Parent"), err::kSuccess);
  EXPECT_EQ(reg().openKey(hkey::kCurrentUser, base + "\\Parent", access::kRead, k),
            err::kFileNotFound);
  EXPECT_EQ(reg().deleteKey(hkey::kCurrentUser, base + "\\Parent"), err::kFileNotFound);
}

TEST_P(RegistryContract, ValuesCanBeDeletedThroughAnOpenedKey) {
  HKey k = 0;
  ASSERT_EQ(reg().createKey(hkey::kCurrentUser, base + "\\RunMRU", k), err::kSuccess);
  reg().setValue(k, "a", regtype::kString, "notepad\\1");
  reg().closeKey(k);
  ASSERT_EQ(reg().openKey(hkey::kCurrentUser, base + "\\RunMRU", access::kAll, k), err::kSuccess);
  EXPECT_EQ(reg().deleteValue(k, "A"), err::kSuccess);
  std::uint32_t type, size;
  EXPECT_EQ(reg().queryValueInfo(k, "a", type, size), err::kFileNotFound);
  reg().closeKey(k);
}

INSTANTIATE_TEST_SUITE_P(Platforms, RegistryContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
