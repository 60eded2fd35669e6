#include "main/clean/rule_cleaner.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "platform/fake/fake_system.h"
#include "tests/support/scripted_prompter.h"

namespace vorn {
namespace {

using platform::hkey::kCurrentUser;
using platform::hkey::kLocalMachine;

class RuleCleanerTest : public ::testing::Test {
 protected:
  RuleCleanerTest() {
    cleaner.onSkipped = [this](const std::string& target, const std::string& why) {
      skipped.push_back(target + " (" + why + ")");
    };
  }
  void load(const std::string& text) { cleaner.setRules(readCleaningRules(text)); }
  const CleaningRule& rule(const std::string& name) {
    for (const CleaningRule& r : cleaner.rules())
      if (r.name == name) return r;
    throw std::runtime_error("no rule " + name);
  }
  std::string logText() { return fake.files.contents(fake.process.folder + "\\vorn.log"); }

  platform::fake::FakeSystem fake;
  common::SessionLog log{fake.files, fake.clock, [this] { return fake.process.folder; }};
  ui::ScriptedPrompter prompter;
  RegistryAccess registry{fake.registry, prompter};
  RuleCleaner cleaner{fake.system(), registry, log, "winapp2.ini"};
  std::vector<std::string> skipped;
};

TEST_F(RuleCleanerTest, DetectsByKeyFileAndVersionAllTogether) {
  fake.registry.setString(kCurrentUser, "Software\\Tool", "x", "1");
  fake.files.addFile("C:\\WINDOWS\\Application Data\\Tool\\a.cfg");
  const struct {
    const char* lines;
    bool detected;
  } cases[] = {
      {"", true},
      {"Detect=HKCU\\Software\\Tool", true},
      {"Detect=HKCU\\Software\\None\nDetect2=HKCU\\Software\\Tool", true},
      {"Detect=HKLM\\Software\\Tool", false},
      {"DetectFile=%AppData%\\Tool\\*.cfg", true},
      {"DetectFile=%AppData%\\Tool", true},
      {"DetectFile=%AppData%\\Tool\\*.ini", false},
      // No such folder on 98: never guessed into another one.
      {"DetectFile=%LocalAppData%\\Tool\nDetectFile2=%LocalAppData%\\Other", false},
      {"Detect=HKCU\\Software\\Tool\nDetectFile=%AppData%\\Nothing", false},
      {"DetectOS=4.10|4.90", true},
      {"DetectOS=5.0|", false},
      {"DetectOS=|4.0", false},
  };
  for (const auto& c : cases) {
    load(std::string("[T]\n") + c.lines + "\nFileKey1=C:\\T|*.tmp\n");
    ASSERT_EQ(cleaner.rules().size(), 1u) << c.lines;
    EXPECT_EQ(cleaner.detected(cleaner.rules()[0]), c.detected) << c.lines;
  }
  // A name this system lacks is logged once per load, however many keys name it.
  const std::string missing = "this system has no %LocalAppData%; the keys naming it do not apply";
  const std::string text = logText();
  EXPECT_NE(text.find(missing), std::string::npos) << text;
  EXPECT_EQ(text.find(missing), text.rfind(missing)) << text;
  fake.process.versionMajor = -1;
  load("[T]\nDetectOS=4.0|\nFileKey1=C:\\T|*.tmp\n");
  EXPECT_FALSE(cleaner.detected(cleaner.rules()[0]));
  EXPECT_EQ(fake.registry.openHandles(), 0u);
}

TEST_F(RuleCleanerTest, RemovesWhatTheKeysNameMinusExclusionsAndNeverFollowsALink) {
  const std::string cache = "C:\\WINDOWS\\Application Data\\Tool\\Cache";
  fake.files.addFile(cache + "\\a.tmp");
  fake.files.addFile(cache + "\\keep.tmp");
  fake.files.addFile(cache + "\\a.tmpx");  // found through its short name alone
  fake.files.addFile(cache + "\\note.txt");
  fake.files.addFile(cache + "\\Sub\\b.tmp");
  fake.files.addFile(cache + "\\Spared\\c.tmp");
  fake.files.addFile("D:\\Outside\\d.tmp", "outside");
  fake.files.addLink(cache + "\\Link", "D:\\Outside");
  fake.files.addFile("C:\\Tool\\Old\\x.dat");
  fake.files.addFile("C:\\Tool\\Old\\Deep\\y.dat");
  fake.files.addLink("C:\\Tool\\Old\\Deep\\Out", "D:\\Outside");
  fake.files.addFile("C:\\Tool\\Gone\\z.dat");
  fake.files.addFile("C:\\Tool\\Gone\\Deep\\w.dat");
  load(
      "[Tool]\n"
      "FileKey1=%AppData%\\Tool\\Cache|*.tmp|RECURSE\n"
      "FileKey2=C:\\Tool\\Old|*.*|REMOVESELF\n"
      "FileKey3=C:\\Tool\\Gone|*.*|REMOVESELF\n"
      "ExcludeKey1=FILE|%AppData%\\Tool\\Cache\\|keep.tmp\n"
      "ExcludeKey2=PATH|%AppData%\\Tool\\Cache\\Spared\\\n");
  cleaner.clean(rule("Tool"));
  for (const char* gone : {"\\a.tmp", "\\Sub\\b.tmp"})
    EXPECT_FALSE(fake.files.exists(cache + gone)) << gone;
  for (const char* kept : {"\\keep.tmp", "\\a.tmpx", "\\note.txt", "\\Spared\\c.tmp", "\\Link"})
    EXPECT_TRUE(fake.files.exists(cache + kept)) << kept;
  EXPECT_EQ(fake.files.contents("D:\\Outside\\d.tmp"), "outside");
  // The whole folder with its link goes; the link's target stays.
  EXPECT_FALSE(fake.files.exists("C:\\Tool\\Old"));
  EXPECT_FALSE(fake.files.exists("C:\\Tool\\Gone"));
  EXPECT_TRUE(fake.files.isFolder("C:\\Tool"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\d.tmp"), "outside");
}

TEST_F(RuleCleanerTest, ALinkTheSystemCannotRemoveKeepsItsFolderAndIsLogged) {
  fake.files.setLinksLikeWine(true);
  fake.files.addFile("D:\\Outside\\d.tmp", "outside");
  fake.files.addFile("C:\\Tool\\Old\\x.dat");
  fake.files.addLink("C:\\Tool\\Old\\Out", "D:\\Outside");
  load("[Tool]\nFileKey1=C:\\Tool\\Old|*.*|REMOVESELF\n");
  cleaner.clean(rule("Tool"));
  EXPECT_FALSE(fake.files.exists("C:\\Tool\\Old\\x.dat"));
  EXPECT_TRUE(fake.files.exists("C:\\Tool\\Old\\Out"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\d.tmp"), "outside");
  EXPECT_NE(logText().find("winapp2.ini at line 1 - [Tool] FileKey1: "), std::string::npos)
      << logText();
}

TEST_F(RuleCleanerTest, RefusesProtectedFoldersAndMissingNamesKeyByKey) {
  fake.files.addFile("C:\\WINDOWS\\a.log");
  fake.files.addFile("C:\\WINDOWS\\b.txt");
  fake.files.addFile("C:\\WINDOWS\\Help\\c.gid");
  fake.files.addFile("C:\\x.log");
  fake.files.addFile("D:\\Outside\\d.log", "outside");
  fake.files.addLink("C:\\WINDOWS\\Help\\out.gid", "D:\\Outside\\d.log");
  load(
      "[Risky]\n"
      "FileKey1=%WinDir%|*.log|REMOVESELF\n"
      "FileKey2=%WinDir%|*.*\n"
      "FileKey3=C:\\|*.log|RECURSE\n"
      "FileKey4=%LocalAppData%\\Tool|*.*\n"
      "FileKey5=%WinDir%\\Help|*.gid\n"
      "FileKey6=%WinDir%|*.log\n");
  cleaner.clean(rule("Risky"));
  EXPECT_TRUE(fake.files.exists("C:\\WINDOWS\\b.txt"));
  EXPECT_TRUE(fake.files.exists("C:\\x.log"));
  EXPECT_TRUE(fake.files.isFolder("C:\\WINDOWS"));
  // The keys that may act still do.
  EXPECT_FALSE(fake.files.exists("C:\\WINDOWS\\Help\\c.gid"));
  EXPECT_FALSE(fake.files.exists("C:\\WINDOWS\\a.log"));
  EXPECT_EQ(fake.files.contents("D:\\Outside\\d.log"), "outside");
  const std::string text = logText();
  for (const char* expected :
       {"line 1 - [Risky] FileKey1: C:\\WINDOWS is a system folder",
        "line 2 - [Risky] FileKey2: every file of C:\\WINDOWS", "line 3 - [Risky] FileKey3: C:",
        "line 4 - [Risky] FileKey4: this system has no %LocalAppData%"})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
}

TEST_F(RuleCleanerTest, ActsOnlyUnderTheCurrentUserAndSparesExcludedKeys) {
  fake.registry.setString(kCurrentUser, "Software\\Tool\\MRU", "a", "1");
  fake.registry.setString(kCurrentUser, "Software\\Tool", "LastFile", "x");
  fake.registry.setString(kCurrentUser, "Software\\Tool", "Size", "1");
  fake.registry.setString(kCurrentUser, "Software\\Tool\\Keep", "k", "1");
  fake.registry.setString(kCurrentUser, "Software\\Tool\\Pinned", "p", "1");
  fake.registry.setString(kLocalMachine, "Software\\Tool", "Path", "C:\\Tool");
  load(
      "[Tool]\n"
      "RegKey1=HKCU\\Software\\Tool\\MRU\n"
      "RegKey2=HKCU\\Software\\Tool|LastFile\n"
      "RegKey3=HKLM\\Software\\Tool\n"
      "RegKey4=HKCU\\Software\\Tool\\Keep\n"
      "RegKey5=HKCU\\Software\\Tool\\Pinned|p\n"
      "ExcludeKey1=REG|HKCU\\Software\\Tool\\Keep\n"
      "ExcludeKey2=REG|HKCU\\Software\\Tool\\Pinned|p\n");
  cleaner.clean(rule("Tool"));
  EXPECT_FALSE(fake.registry.hasKey(kCurrentUser, "Software\\Tool\\MRU"));
  EXPECT_FALSE(fake.registry.hasValue(kCurrentUser, "Software\\Tool", "LastFile"));
  EXPECT_TRUE(fake.registry.hasValue(kCurrentUser, "Software\\Tool", "Size"));
  EXPECT_TRUE(fake.registry.hasKey(kCurrentUser, "Software\\Tool\\Keep"));
  EXPECT_TRUE(fake.registry.hasValue(kCurrentUser, "Software\\Tool\\Pinned", "p"));
  EXPECT_TRUE(fake.registry.hasValue(kLocalMachine, "Software\\Tool", "Path"));
  const std::vector<std::string> expected = {
      "HKEY_LOCAL_MACHINE\\Software\\Tool (only keys under HKEY_CURRENT_USER are removed)",
      "HKEY_CURRENT_USER\\Software\\Tool\\Keep (spared by an ExcludeKey of [Tool])",
      "HKEY_CURRENT_USER\\Software\\Tool\\Pinned\\p (spared by an ExcludeKey of [Tool])"};
  EXPECT_EQ(skipped, expected);
}

TEST_F(RuleCleanerTest, LogsWhatTheReaderSkippedWithItsLine) {
  fake.files.addFile(fake.process.folder + "\\winapp2.ini",
                     "[Good]\nFileKey1=C:\\A|*.tmp\n[Bad]\nFileKey1=C:\\B\n");
  cleaner.load(fake.process.folder + "\\winapp2.ini");
  ASSERT_EQ(cleaner.rules().size(), 1u);
  EXPECT_NE(logText().find("winapp2.ini at line 0 - line 3: entry [Bad] skipped: line 4: "),
            std::string::npos)
      << logText();
  cleaner.load(fake.process.folder + "\\missing.ini");
  EXPECT_TRUE(cleaner.rules().empty());
}

}  // namespace
}  // namespace vorn

namespace vorn {
namespace {

// The delivered rules: each entry explained in a comment above it, none walking or
// removing a folder, and on a seeded Windows folder only the named garbage goes.
TEST_F(RuleCleanerTest, TheDeliveredGarbageRulesTakeOnlyTheirOwnFiles) {
  std::string text;
  {
    std::FILE* f = std::fopen(TERVANE_SOURCE_DIR "/data/garbage.ini", "rb");
    ASSERT_NE(f, nullptr);
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, f)) > 0;) text.append(buffer, n);
    std::fclose(f);
  }
  const RuleFile file = readCleaningRules(text);
  EXPECT_TRUE(file.problems.empty()) << file.problems[0];
  ASSERT_GE(file.rules.size(), 3u);
  for (const CleaningRule& r : file.rules) {
    const std::size_t at = text.find("[" + r.name + " *]");
    ASSERT_NE(at, std::string::npos) << r.name;
    EXPECT_EQ(text.compare(text.rfind('\n', at - 2) + 1, 2, "; "), 0)
        << r.name << " has no comment";
    for (const RuleFileKey& k : r.fileKeys) {
      EXPECT_FALSE(k.recurse) << r.name;
      for (const std::string& p : k.patterns) EXPECT_EQ(p.find('*', 1), std::string::npos) << p;
    }
  }
  const std::string windows = "C:\\WINDOWS";
  for (const char* f : {"\\Help\\notepad.hlp", "\\Help\\notepad.gid", "\\Help\\notepad.fts",
                        "\\Help\\notepad.ftg", "\\Help\\notepad.cnt", "\\MEMORY.DMP", "\\WIN.INI",
                        "\\Minidump\\a.dmp", "\\Drwatson\\x.wlg", "\\Drwatson\\x.txt"})
    fake.files.addFile(windows + f);
  fake.files.addFile("D:\\Outside\\x.dmp", "outside");
  fake.files.addLink(windows + "\\Minidump\\link.dmp", "D:\\Outside\\x.dmp");
  fake.files.addLink(windows + "\\Help\\folder.gid", "D:\\Outside");
  cleaner.setRules(file);
  for (const CleaningRule* r : cleaner.detectedRules()) cleaner.clean(*r);
  for (const char* gone : {"\\Help\\notepad.gid", "\\Help\\notepad.fts", "\\Help\\notepad.ftg",
                           "\\MEMORY.DMP", "\\Minidump\\a.dmp", "\\Drwatson\\x.wlg"})
    EXPECT_FALSE(fake.files.exists(windows + gone)) << gone;
  for (const char* kept : {"\\Help\\notepad.hlp", "\\Help\\notepad.cnt", "\\WIN.INI",
                           "\\Drwatson\\x.txt", "\\Minidump"})
    EXPECT_TRUE(fake.files.exists(windows + kept)) << kept;
  EXPECT_EQ(fake.files.contents("D:\\Outside\\x.dmp"), "outside");
  EXPECT_EQ(logText(), "");
}

}  // namespace
}  // namespace vorn
