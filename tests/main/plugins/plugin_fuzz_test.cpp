// Definition files come from anywhere. Seeded random files, built from the pieces that
// matter to the reader (roots, "+", "-", quotes, commas, line ends, control characters,
// wildcards, relative names) and from plain random bytes, are carried out against the
// fakes. None may crash or hang, no registry call may name a root other than
// HKEY_CURRENT_USER, and nothing may be removed but full paths the file itself spells
// out. TERVANE_PLUGIN_FUZZ_RUNS sets the number of files (default 20000).
#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "main/clean/plugin_cleaner.h"
#include "main/clean/plugin_definition.h"
#include "tests/main/plugins/plugin_test_support.h"

namespace {

constexpr platform::HKey kHKCU = platform::hkey::kCurrentUser;

// Passes everything to the fake and counts the calls that name another root.
class RootCheckingRegistry : public platform::Registry {
 public:
  explicit RootCheckingRegistry(platform::Registry& inner) : inner_(inner) {}
  platform::ErrorCode openKey(platform::HKey root, const std::string& subKey, std::uint32_t access,
                              platform::HKey& key) override {
    if (root != kHKCU) ++foreignRoots;
    return inner_.openKey(root, subKey, access, key);
  }
  platform::ErrorCode createKey(platform::HKey, const std::string&, platform::HKey&) override {
    ++writes;
    return platform::err::kAccessDenied;
  }
  platform::ErrorCode queryValueInfo(platform::HKey key, const std::string& name,
                                     std::uint32_t& type, std::uint32_t& size) override {
    return inner_.queryValueInfo(key, name, type, size);
  }
  platform::ErrorCode queryValue(platform::HKey key, const std::string& name, std::uint32_t size,
                                 std::uint32_t& type, std::string& data) override {
    return inner_.queryValue(key, name, size, type, data);
  }
  platform::ErrorCode setValue(platform::HKey, const std::string&, std::uint32_t,
                               const std::string&) override {
    ++writes;
    return platform::err::kAccessDenied;
  }
  platform::ErrorCode deleteValue(platform::HKey key, const std::string& name) override {
    ++deletes;
    return inner_.deleteValue(key, name);
  }
  platform::ErrorCode deleteKey(platform::HKey root, const std::string& subKey) override {
    if (root != kHKCU) ++foreignRoots;
    if (subKey.empty()) ++rootDeletes;
    ++deletes;
    return inner_.deleteKey(root, subKey);
  }
  platform::ErrorCode closeKey(platform::HKey key) override { return inner_.closeKey(key); }

  int foreignRoots = 0, writes = 0, deletes = 0, rootDeletes = 0;

 private:
  platform::Registry& inner_;
};

std::string randomDefinition(std::mt19937& rng) {
  static const std::vector<std::string> pieces = {"HKEY_CURRENT_USER\\",
                                                  "HKEY_CLASSES_ROOT\\",
                                                  "HKEY_LOCAL_MACHINE\\",
                                                  "HKEY_USERS\\",
                                                  "HKEY",
                                                  "HKEY_CURRENT_USER",
                                                  "Software\\",
                                                  "Fuzz",
                                                  "\\Key",
                                                  "+",
                                                  "-",
                                                  "+Value",
                                                  "-",
                                                  "/*",
                                                  "/",
                                                  "*",
                                                  "\"",
                                                  ",",
                                                  "\r\n",
                                                  "\n",
                                                  "\r",
                                                  " ",
                                                  "\t",
                                                  std::string(1, '\0'),
                                                  "\x01",
                                                  "C:\\Fuzz\\",
                                                  "C:\\Fuzz\\*.*",
                                                  "C:\\Fuzz\\Sub",
                                                  "C:\\Fuzz\\Link\\",
                                                  "*.tmp",
                                                  "?",
                                                  "..\\",
                                                  "\\\\",
                                                  "c:",
                                                  "file.tmp",
                                                  "\xff\xfe",
                                                  "D:\\",
                                                  "HKEY_CURRENT_USER\\Software\\Fuzz-",
                                                  "HKEY_CURRENT_USER\\Software\\Fuzz\\Key+Value",
                                                  "C:\\Fuzz\\a.tmp"};
  std::uniform_int_distribution<int> count(0, 24), pick(0, static_cast<int>(pieces.size()) - 1),
      byte(0, 255), coin(0, 9);
  std::string text;
  const int n = count(rng);
  for (int i = 0; i < n; ++i) {
    if (coin(rng) == 0)
      text += static_cast<char>(byte(rng));
    else
      text += pieces[static_cast<std::size_t>(pick(rng))];
  }
  return text;
}

bool isFullPath(const std::string& p) {
  return (p.size() >= 3 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':' &&
          p[2] == '\\') ||
         (p.size() > 2 && p[0] == '\\' && p[1] == '\\');
}

class PluginFuzz : public plugin_test::PluginSession {};

TEST_F(PluginFuzz, AnyDefinitionFileStaysWithinTheCurrentUserAndTheFilesItNames) {
  long runs = 20000;
  if (const char* env = std::getenv("TERVANE_PLUGIN_FUZZ_RUNS")) runs = std::atol(env);
  RootCheckingRegistry checked(fake.registry);
  vorn::RegistryAccess access(checked, prompter);
  std::string removedFrom, text;
  bool outsideNamed = false;
  plugin_test::RecordingRemoval fuzzRemoval([&](const std::string& pattern) {
    // Only a full path that the definition file spells out, free of control
    // characters, may reach the removal.
    bool control = false;
    for (char c : pattern) control = control || (static_cast<unsigned char>(c) < 0x20);
    if (!isFullPath(pattern) || control || text.find(pattern) == std::string::npos) {
      outsideNamed = true;
      removedFrom = pattern;
    }
    return platform::RemovalReport{};
  });
  vorn::PluginCleaner fuzzCleaner(fake.files, access, log, frame, folder(), {}, fuzzRemoval);
  fake.files.addFile("C:\\Fuzz\\a.tmp", "x");
  fake.files.addFolder("C:\\Fuzz\\Sub");
  fake.files.addFolder("C:\\Fuzz\\Link");
  fake.files.setReparsePoint("C:\\Fuzz\\Link");
  std::mt19937 rng(20261207);
  for (long i = 0; i < runs; ++i) {
    text = randomDefinition(rng);
    fake.registry.setString(kHKCU, "Software\\Fuzz\\Key", "Value", "1");
    fake.registry.setString(platform::hkey::kClassesRoot, "Software\\Fuzz", "v", "1");
    fake.files.addFile(path("fuzz.cp1"), text);
    fuzzCleaner.pluginCleanFiles("fuzz.cp1");
    ASSERT_EQ(checked.foreignRoots, 0) << "input " << i << ": " << testing::PrintToString(text);
    ASSERT_EQ(checked.rootDeletes, 0) << "input " << i << ": " << testing::PrintToString(text);
    ASSERT_FALSE(outsideNamed) << "input " << i << " removed " << removedFrom;
    ASSERT_TRUE(fake.registry.hasValue(platform::hkey::kClassesRoot, "Software\\Fuzz", "v"));
    if (i % 512 == 0) fake.files.deleteFile(log.path());
  }
  EXPECT_EQ(checked.writes, 0);
  EXPECT_EQ(fake.registry.openHandles(), 0u);
  // The generator reaches the registry at all: the checks above are not idle.
  EXPECT_GT(checked.deletes, runs / 20);
  RecordProperty("runs", static_cast<int>(runs));
}

// Property of the reader alone on plain random bytes: it ends, and every entry it gives
// is free of separators it should have split at.
TEST(PluginDefinitionFuzz, RandomBytesAlwaysSplitIntoCleanEntries) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> len(0, 300), byte(0, 255);
  for (int i = 0; i < 20000; ++i) {
    std::string text(static_cast<std::size_t>(len(rng)), '\0');
    for (char& c : text) c = static_cast<char>(byte(rng));
    for (const std::string& e : vorn::readDefinitionEntries(text)) {
      ASSERT_FALSE(e.empty());
      if (text.find('"') == std::string::npos) {
        ASSERT_EQ(e.find_first_of(",\r\n"), std::string::npos);
        ASSERT_NE(e.front(), ' ');
        ASSERT_NE(e.back(), ' ');
      }
    }
  }
}

}  // namespace
