// The cleaner's registry layer, against the fake registry natively and against the real
// one under Wine, in a scratch key that the environment removes.
#include "main/platform/registry_access.h"

#include <gtest/gtest.h>

#include "platform/fake/fake_registry.h"
#include "tests/support/contract_env.h"
#include "tests/support/scripted_prompter.h"

using namespace platform;
using testing_support::EnvMaker;
using vorn::RegistryAccess;

TEST(RegistryAccessNames, RootNamesAreExactAndCaseSensitive) {
  EXPECT_EQ(RegistryAccess::rootKeyFromName("HKEY_CURRENT_USER"), hkey::kCurrentUser);
  EXPECT_EQ(RegistryAccess::rootKeyFromName("HKEY_LOCAL_MACHINE"), hkey::kLocalMachine);
  EXPECT_EQ(RegistryAccess::rootKeyFromName("HKEY_DYN_DATA"), hkey::kDynData);
  EXPECT_EQ(RegistryAccess::rootKeyFromName("hkey_current_user"), 0u);
  EXPECT_EQ(RegistryAccess::rootKeyFromName("HKEY_CURRENT_USER "), 0u);
  EXPECT_EQ(RegistryAccess::rootKeyFromName("HKCU"), 0u);
}

TEST(RegistryAccessRoot, ABareRootNameWritesUnderTheRootItself) {
  platform::fake::FakeRegistry registry;
  ui::ScriptedPrompter prompter;
  RegistryAccess access(registry, prompter);
  access.setStringValue("HKEY_CURRENT_USER", "Direct", "value");
  EXPECT_EQ(registry.value(hkey::kCurrentUser, "", "Direct"), "value");
  EXPECT_EQ(registry.openHandles(), 0u);
  EXPECT_TRUE(prompter.shown.empty());
}

class RegistryAccessTest : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override {
    env = GetParam().make();
    base = env->scratchKey();
    full = "HKEY_CURRENT_USER\\" + base;
  }
  Registry& reg() { return env->system().registry; }
  std::string rawValue(const std::string& subKey, const std::string& name, std::uint32_t* type) {
    HKey k = 0;
    if (reg().openKey(hkey::kCurrentUser, subKey, access::kRead, k)) return "<no key>";
    std::uint32_t size = 0;
    std::string data = "<no value>";
    if (reg().queryValueInfo(k, name, *type, size) == 0)
      reg().queryValue(k, name, size, *type, data);
    reg().closeKey(k);
    return data;
  }

  std::unique_ptr<testing_support::ContractEnv> env;
  ui::ScriptedPrompter prompter;
  std::unique_ptr<RegistryAccess> access_;
  RegistryAccess& access() {
    if (!access_) access_ = std::make_unique<RegistryAccess>(reg(), prompter);
    return *access_;
  }
  std::string base, full;
};

TEST_P(RegistryAccessTest, ParseSplitsRootAndSubKey) {
  std::string path = full + "\\Run";
  HKey root = 1;
  access().parseKeyPath(path, root);
  EXPECT_EQ(root, hkey::kCurrentUser);
  EXPECT_EQ(path, base + "\\Run");
  path = "HKEY_LOCAL_MACHINE";
  access().parseKeyPath(path, root);
  EXPECT_EQ(root, hkey::kLocalMachine);
  EXPECT_EQ(path, "");
  path = "HKEY_NOWHERE\\x";
  access().parseKeyPath(path, root);
  EXPECT_EQ(root, 0u);
  EXPECT_TRUE(prompter.shown.empty());
}

TEST_P(RegistryAccessTest, BadPathsShowIncorrectFormatAndWriteNothing) {
  access().setStringValue(full + "\\", "Cleaner", "x");
  access().setStringValue("hkey_current_user\\" + base, "Cleaner", "x");
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text, "Incorrect Format:\n\n" + full + "\\");
  EXPECT_EQ(prompter.shown[1].text, "Incorrect Format:\n\nhkey_current_user\\" + base);
  EXPECT_EQ(prompter.shown[0].style & 0xF, ui::mb::kOk);
  std::uint32_t type = 0;
  EXPECT_EQ(rawValue(base, "Cleaner", &type), "<no value>");
}

TEST_P(RegistryAccessTest, SetWritesAStringWithoutNulIntoAnExistingKeyOnly) {
  access().setStringValue(full, "String Value", "C:\\Tervane\\vesper.exe");
  std::uint32_t type = 0;
  std::string raw = rawValue(base, "String Value", &type);
  EXPECT_EQ(type, regtype::kString);
  EXPECT_EQ(raw.substr(0, raw.find('\0')), "C:\\Tervane\\vesper.exe");
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base, "string value"),
            "C:\\Tervane\\vesper.exe");
  access().setStringValue(full + "\\NotThere", "v", "x");  // never creates keys
  EXPECT_EQ(rawValue(base + "\\NotThere", "v", &type), "<no key>");
}

TEST_P(RegistryAccessTest, QueryGivesEmptyForOtherTypesAndMissingValues) {
  HKey k = 0;
  ASSERT_EQ(reg().openKey(hkey::kCurrentUser, base, access::kAll, k), 0u);
  reg().setValue(k, "Number", regtype::kDword, std::string("\x01\0\0\0", 4));
  reg().setValue(k, "WithNul", regtype::kString, std::string("abc\0", 4));
  reg().closeKey(k);
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base, "Number"), "");
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base, "Missing"), "");
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base + "\\Nope", "x"), "");
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base, "WithNul"), "abc");
}

TEST_P(RegistryAccessTest, DeletesValuesAndLeafKeysAndIgnoresWhatIsMissing) {
  HKey k = 0;
  ASSERT_EQ(reg().createKey(hkey::kCurrentUser, base + "\\TypedURLs", k), 0u);
  reg().setValue(k, "url1", regtype::kString, "http://a/");
  reg().setValue(k, "url2", regtype::kString, "http://b/");
  reg().closeKey(k);
  access().deleteValue(hkey::kCurrentUser, base + "\\TypedURLs", "url1");
  access().deleteValue(hkey::kCurrentUser, base + "\\TypedURLs", "url9");
  access().deleteValue(hkey::kCurrentUser, base + "\\Nope", "url1");
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base + "\\TypedURLs", "url1"), "");
  EXPECT_EQ(access().queryStringValue(hkey::kCurrentUser, base + "\\TypedURLs", "url2"),
            "http://b/");
  access().deleteRegistryKey(hkey::kCurrentUser, base + "\\TypedURLs");
  EXPECT_NE(reg().openKey(hkey::kCurrentUser, base + "\\TypedURLs", access::kRead, k), 0u);
  access().deleteRegistryKey(hkey::kCurrentUser, base + "\\TypedURLs");
  EXPECT_TRUE(prompter.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Platforms, RegistryAccessTest,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
