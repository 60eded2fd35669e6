#include "main/clean/cleaning_rules.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

namespace vorn {
namespace {

TEST(CleaningRules, ReadsEveryKindOfKey) {
  const RuleFile f = readCleaningRules(
      "; a comment\r\n"
      "[Tool Cache *]\r\n"
      "LangSecRef=3021\r\n"
      "Detect=HKCU\\Software\\Tool\r\n"
      "Detect2=HKEY_LOCAL_MACHINE\\Software\\Tool\\\r\n"
      "DetectFile=%AppData%\\Tool\\*.cfg\r\n"
      "DetectOS=5.1|\r\n"
      "Warning=Logs you out.\r\n"
      "FileKey1=%LocalAppData%\\Tool\\Cache|*.tmp;*.dat|RECURSE\r\n"
      "FileKey2=C:\\Tool\\Old\\|*.*|removeself\r\n"
      "RegKey1=HKCU\\Software\\Tool\\MRU\r\n"
      "RegKey2=HKCU\\Software\\Tool|LastFile\r\n"
      "ExcludeKey1=FILE|%LocalAppData%\\Tool\\Cache\\|keep.dat\r\n"
      "ExcludeKey2=PATH|C:\\Tool\\Old\\Keep\\\r\n"
      "ExcludeKey3=REG|HKCU\\Software\\Tool\\MRU\\Pinned\r\n");
  ASSERT_EQ(f.rules.size(), 1u) << (f.problems.empty() ? "" : f.problems[0]);
  EXPECT_TRUE(f.problems.empty());
  const CleaningRule& r = f.rules[0];
  EXPECT_EQ(r.name, "Tool Cache");
  EXPECT_EQ(r.line, 2);
  EXPECT_EQ(r.section, "3021");
  ASSERT_EQ(r.detect.size(), 2u);
  EXPECT_EQ(r.detect[1].root, "HKLM");
  EXPECT_EQ(r.detect[1].key, "Software\\Tool");
  EXPECT_EQ(r.detectFile, std::vector<std::string>{"%AppData%\\Tool\\*.cfg"});
  EXPECT_TRUE(r.hasOsRange);
  EXPECT_EQ(r.osMin.major, 5);
  EXPECT_EQ(r.osMin.minor, 1);
  EXPECT_EQ(r.osMax.major, -1);
  EXPECT_EQ(r.warning, "Logs you out.");
  ASSERT_EQ(r.fileKeys.size(), 2u);
  EXPECT_EQ(r.fileKeys[0].folder, "%LocalAppData%\\Tool\\Cache");
  EXPECT_EQ(r.fileKeys[0].patterns, (std::vector<std::string>{"*.tmp", "*.dat"}));
  EXPECT_TRUE(r.fileKeys[0].recurse);
  EXPECT_FALSE(r.fileKeys[0].removeSelf);
  EXPECT_EQ(r.fileKeys[1].folder, "C:\\Tool\\Old");
  EXPECT_TRUE(r.fileKeys[1].removeSelf);
  ASSERT_EQ(r.regKeys.size(), 2u);
  EXPECT_FALSE(r.regKeys[0].hasValue);
  EXPECT_EQ(r.regKeys[1].value, "LastFile");
  ASSERT_EQ(r.excludes.size(), 3u);
  EXPECT_EQ(r.excludes[0].kind, RuleExclude::Kind::File);
  EXPECT_EQ(r.excludes[0].patterns, std::vector<std::string>{"keep.dat"});
  EXPECT_EQ(r.excludes[1].kind, RuleExclude::Kind::Path);
  EXPECT_TRUE(r.excludes[1].patterns.empty());
  EXPECT_EQ(r.excludes[2].registry.key, "Software\\Tool\\MRU\\Pinned");
}

// Each line, put into an otherwise good entry, skips that entry with its line named.
TEST(CleaningRules, AMalformedLineSkipsItsWholeEntry) {
  const std::string wild11 = "a*b*c*d*e*f*g*h*i*j*k*";
  const char* const lines[] = {
      "FileKey2 no equals sign",
      "FileKey2=%AppData%\\X",                     // no pattern
      "FileKey2=%AppData%\\X|*.tmp|RECURSE|MORE",  // too many parts
      "FileKey2=%AppData%\\X|*.tmp|DELETE",        // unknown flag
      "FileKey2=X\\Relative|*.tmp",                // no full path
      "FileKey2=%NoSuchFolder%\\X|*.tmp",          // a name that is no folder name
      "FileKey2=%AppData\\X|*.tmp",                // unclosed name
      "FileKey2=%AppData%\\..\\..|*.*",            // climbing out
      "FileKey2=%AppData%\\*\\Cache|*.*",          // wildcard in the folder
      "FileKey2=%AppData%\\X|..\\*.*",             // a pattern that is a path
      "FileKey2=%AppData%\\X|*.tmp;;*.log",        // empty pattern
      "RegKey9=HKCU\\B",                           // number given twice
      "FileKey=%AppData%\\X|*.tmp",                // no number
      "FileKey02=%AppData%\\X|*.tmp",              // no number from 1 on
      "RegKey1=HKXX\\Software\\X",                 // no root
      "RegKey1=HKCU",                              // no key
      "RegKey1=HKCU\\Software\\X|",                // empty value name
      "Detect=HKCU\\Software\\X|Value",            // Detect names a key only
      "DetectFile=%AppData%\\*\\x.cfg",            // wildcard before the last part
      "DetectOS=5.x|",                             // no version
      "DetectOS=5.1",                              // no range
      "ExcludeKey1=DIR|C:\\X",                     // unknown kind
      "ExcludeKey1=FILE|C:\\X",                    // no name
      "Warning=",                                  // empty warning
  };
  for (const char* bad : lines) {
    const std::string text = "[Good]\nFileKey1=%AppData%\\Good|*.tmp\n[Bad *]\nRegKey9=HKCU\\A\n" +
                             std::string(bad) + "\nFileKey1=%AppData%\\X|*.tmp\n";
    const RuleFile f = readCleaningRules(text);
    ASSERT_EQ(f.rules.size(), 1u) << bad;
    EXPECT_EQ(f.rules[0].name, "Good") << bad;
    ASSERT_EQ(f.problems.size(), 1u) << bad;
    EXPECT_EQ(f.problems[0].rfind("line 3: entry [Bad] skipped: line 5: ", 0), 0u)
        << bad << " gave " << f.problems[0];
  }
  // The eleventh wildcard refuses; ten are taken.
  const RuleFile many =
      readCleaningRules("[A]\nFileKey1=C:\\X|" + wild11 + "\n[B]\nFileKey1=C:\\X|" +
                        wild11.substr(0, wild11.size() - 1) + "\n");
  ASSERT_EQ(many.rules.size(), 1u);
  EXPECT_EQ(many.rules[0].name, "B");
  EXPECT_NE(many.problems[0].find("more than 10 wildcards"), std::string::npos);
}

TEST(CleaningRules, SkipsUnknownKeysAndStrayLinesButKeepsTheEntry) {
  const RuleFile f = readCleaningRules(
      "FileKey1=C:\\Stray|*.*\n"
      "[A *]\n"
      "SpecialDetect=DET_CHROME\n"
      "Detect1X=HKCU\\Y\n"
      "FileKey1=C:\\A|*.log\n"
      "[Nothing]\n"
      "Detect=HKCU\\Software\\N\n"
      "[A]\n"
      "FileKey1=C:\\A2|*.log\n"
      "[Broken\n"
      "FileKey1=C:\\B|*.log\n");
  ASSERT_EQ(f.rules.size(), 1u);
  EXPECT_EQ(f.rules[0].fileKeys[0].folder, "C:\\A");
  const std::vector<std::string> expected = {
      "line 1: a line outside any entry skipped",
      "line 3: unknown key \"SpecialDetect\" skipped",
      "line 4: unknown key \"Detect1X\" skipped",
      "line 6: entry [Nothing] skipped: it names nothing to remove",
      "line 8: entry [A] skipped: a second entry of that name",
      "line 10: entry [[Broken] skipped: line 10: a malformed section name"};
  EXPECT_EQ(f.problems, expected);
}

TEST(CleaningRules, ExpandsFolderNamesAndStopsAtAMissingOne) {
  auto lookup = [](const std::string& name) {
    return name == "WinDir" ? std::string("C:\\WINDOWS") : std::string();
  };
  std::string missing;
  EXPECT_EQ(expandRulePath("%WinDir%\\Help", lookup, missing), "C:\\WINDOWS\\Help");
  EXPECT_EQ(expandRulePath("%LocalAppData%\\X", lookup, missing), "");
  EXPECT_EQ(missing, "LocalAppData");
  EXPECT_EQ(ruleFolderId("localappdata"), 0x1C);
  EXPECT_EQ(ruleFolderId("Temp"), rulefolder::kTemp);
  EXPECT_EQ(ruleFolderId("Path"), rulefolder::kUnknown);
}

// Random and mutated rule files: the reader never fails, and every entry it keeps is
// whole (its keys as the grammar allows them).
TEST(CleaningRules, TakesAnyBytesAndKeepsOnlyWholeEntries) {
  const int runs = [] {
    const char* env = std::getenv("TERVANE_RULES_FUZZ_RUNS");
    return env ? std::atoi(env) : 100000;
  }();
  const std::string pieces[] = {"\r\n",        "\n",
                                "\r",          "[",
                                "]",           " *",
                                "=",           "|",
                                ";",           "\\",
                                "%",           "%AppData%",
                                "%Nope%",      "C:\\",
                                "*",           "?",
                                "..",          "FileKey1",
                                "FileKey",     "RegKey2",
                                "ExcludeKey1", "FILE|",
                                "PATH|",       "REG|",
                                "HKCU\\",      "HKLM\\",
                                "Detect",      "DetectFile",
                                "DetectOS",    "5.1",
                                "RECURSE",     "REMOVESELF",
                                "Warning",     std::string(1, '\0'),
                                "\xff",        "[A *]\nFileKey1=C:\\A|*.tmp\n"};
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> pick(0, static_cast<int>(std::size(pieces)) + 1);
  std::uniform_int_distribution<int> length(0, 24);
  std::uniform_int_distribution<int> byte(0, 255);
  long long kept = 0;
  // Every other run mutates a whole, valid file: bytes changed, dropped or doubled.
  const std::string sample =
      "[Tool *]\r\nDetect=HKCU\\Software\\Tool\r\nDetectFile=%AppData%\\Tool\\*.cfg\r\n"
      "DetectOS=5.1|6.0\r\nWarning=Careful.\r\nFileKey1=%AppData%\\Tool|*.tmp;*.log|RECURSE\r\n"
      "FileKey2=C:\\Tool\\Old|*.*|REMOVESELF\r\nRegKey1=HKCU\\Software\\Tool|Last\r\n"
      "ExcludeKey1=FILE|%AppData%\\Tool\\|keep.log\r\nExcludeKey2=PATH|C:\\Tool\\Old\\|*.ini\r\n"
      "ExcludeKey3=REG|HKCU\\Software\\Tool\\Keep\r\n";
  std::uniform_int_distribution<int> at(0, static_cast<int>(sample.size()) - 1);
  for (int run = 0; run < runs; ++run) {
    std::string text;
    if (run % 2) {
      text = sample;
      for (int i = 1 + length(random) / 6; i > 0; --i) {
        const std::size_t where = static_cast<std::size_t>(at(random)) % text.size();
        switch (byte(random) % 3) {
          case 0:
            text[where] = static_cast<char>(byte(random));
            break;
          case 1:
            text.erase(where, 1);
            break;
          default:
            text.insert(where, 1, text[where]);
        }
      }
    } else {
      for (int i = length(random); i > 0; --i) {
        const int p = pick(random);
        text += p < static_cast<int>(std::size(pieces))
                    ? pieces[p]
                    : std::string(1, static_cast<char>(byte(random)));
      }
    }
    const RuleFile f = readCleaningRules(text);
    for (const CleaningRule& r : f.rules) {
      ++kept;
      ASSERT_FALSE(r.name.empty()) << text;
      ASSERT_FALSE(r.fileKeys.empty() && r.regKeys.empty()) << text;
      for (const RuleFileKey& k : r.fileKeys) {
        ASSERT_GE(k.number, 1) << text;
        ASSERT_FALSE(k.patterns.empty()) << text;
        ASSERT_EQ(k.folder.find(".."), std::string::npos) << text;
        for (const std::string& p : k.patterns) {
          ASSERT_FALSE(p.empty()) << text;
          ASSERT_EQ(p.find_first_of("\\/:"), std::string::npos) << text;
        }
      }
      for (const RuleRegistryPath& k : r.regKeys) {
        ASSERT_FALSE(k.key.empty()) << text;
        ASSERT_FALSE(k.root.empty()) << text;
      }
    }
  }
  // The seeded pieces make whole entries often enough that the checks above ran.
  EXPECT_GT(kept, runs / 100);
}

}  // namespace
}  // namespace vorn
