#include <gtest/gtest.h>

#include "platform/registry_user_settings.h"
#include "tests/support/contract_env.h"

using namespace platform;
using testing_support::ContractEnv;
using testing_support::EnvMaker;

class ServicesContract : public ::testing::TestWithParam<EnvMaker> {
 protected:
  void SetUp() override { env = GetParam().make(); }
  System& sys() { return env->system(); }

  // A program that starts and ends at once: the system's command interpreter. The fake
  // system has no programs of its own, so it gets a file of that name.
  std::string quickProgram() {
    std::string folder;
    EXPECT_EQ(sys().shell.knownFolder(csidl::kSystem, folder), err::kSuccess);
    std::string path = folder + "\\cmd.exe";
    std::uint32_t a = 0;
    if (sys().files.getAttributes(path, a) != err::kSuccess) {
      for (std::size_t i = folder.find('\\'); i != std::string::npos;
           i = folder.find('\\', i + 1)) {
        sys().files.createDirectory(folder.substr(0, i));
      }
      sys().files.createDirectory(folder);
      sys().files.writeFile(path, "MZ");
    }
    return path;
  }
  std::unique_ptr<ContractEnv> env;
};

TEST_P(ServicesContract, StartedProgramsCanBeWaitedForEvenAfterTheyEnded) {
  std::uint32_t id = 0;
  ASSERT_EQ(sys().processes.start("\"" + quickProgram() + "\" /c exit 0", show::kHide, id),
            err::kSuccess)
      << env->dump();
  EXPECT_NE(id, 0u);
  EXPECT_EQ(sys().processes.waitForExit(id), err::kSuccess);
  EXPECT_NE(sys().processes.waitForExit(0x7FFFFFF0u), err::kSuccess);
}

TEST_P(ServicesContract, MissingProgramsAndDocumentsAreReported) {
  std::uint32_t id = 0;
  ErrorCode rc = sys().processes.start(env->scratch() + "\\absent.exe", show::kNormal, id);
  EXPECT_TRUE(rc == err::kFileNotFound || rc == err::kPathNotFound) << rc;
  rc = sys().processes.start(env->scratch() + "\\no folder\\absent.exe", show::kNormal, id);
  EXPECT_TRUE(rc == err::kFileNotFound || rc == err::kPathNotFound) << rc;
  rc = sys().processes.shellExecute(0, "open", env->scratch() + "\\absent.htm", "", env->scratch(),
                                    show::kNormal);
  EXPECT_TRUE(rc == err::kFileNotFound || rc == err::kPathNotFound) << rc;
}

TEST_P(ServicesContract, UserSettingsAreKeptPerApplicationAndSection) {
  RegistryUserSettings store(sys().registry, env->scratchKey());
  EXPECT_EQ(store.getSetting("vorn66", "Options", "Show Tips at Startup", "1"), "1");
  ASSERT_EQ(store.saveSetting("vorn66", "Options", "Show Tips at Startup", "0"), err::kSuccess);
  EXPECT_EQ(store.getSetting("VORN66", "options", "show tips at startup", "1"), "0");
  EXPECT_EQ(store.getSetting("other", "Options", "Show Tips at Startup", "x"), "x");
  EXPECT_EQ(store.getSetting("vorn66", "Other", "Show Tips at Startup", "x"), "x");
  ASSERT_EQ(store.saveSetting("vorn66", "Options", "Show Tips at Startup", ""), err::kSuccess);
  EXPECT_EQ(store.getSetting("vorn66", "Options", "Show Tips at Startup", "1"), "");
  sys().registry.deleteKey(hkey::kCurrentUser, env->scratchKey() + "\\vorn66\\Options");
  sys().registry.deleteKey(hkey::kCurrentUser, env->scratchKey() + "\\vorn66");
}

TEST_P(ServicesContract, FreeSpaceOfTheSystemDriveAgreesBetweenQueries) {
  std::uint64_t ex = 0;
  ASSERT_EQ(sys().disk.freeSpaceEx("C:\\", ex), err::kSuccess);
  EXPECT_GT(ex, 0u);
  ClassicFreeSpace classic;
  ASSERT_EQ(sys().disk.freeSpace("C:\\", classic), err::kSuccess);
  EXPECT_GT(
      std::uint64_t{classic.sectorsPerCluster} * classic.bytesPerSector * classic.freeClusters, 0u);
  EXPECT_NE(sys().disk.freeSpace("Q:\\", classic), err::kSuccess);
}

INSTANTIATE_TEST_SUITE_P(Platforms, ServicesContract,
                         ::testing::ValuesIn(testing_support::contractEnvs()),
                         [](const auto& info) { return info.param.name; });
