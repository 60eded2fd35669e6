// Reading plugin definition files: how the text splits into entries and what each entry
// asks for.
#include "main/clean/plugin_definition.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace {

using vorn::classifyEntry;
using vorn::PluginEntry;
using vorn::readDefinitionEntries;
using Entries = std::vector<std::string>;
using Kind = PluginEntry::Kind;

TEST(DefinitionEntries, EndAtLineEndsAndCommasWithBlanksAroundThemDropped) {
  EXPECT_EQ(readDefinitionEntries("a\r\n  b , c\nd\re\r\n"), (Entries{"a", "b", "c", "d", "e"}));
  EXPECT_EQ(readDefinitionEntries(",,\r\n\r\n  \t,"), Entries{});
  EXPECT_EQ(readDefinitionEntries("last without line end"), Entries{"last without line end"});
}

TEST(DefinitionEntries, QuotedEntryKeepsItsCommasAndLosesItsQuotes) {
  EXPECT_EQ(readDefinitionEntries("\"C:\\a,b.txt\",next\r\n"), (Entries{"C:\\a,b.txt", "next"}));
  // Text after the closing quote belongs to no entry; a quote never closed runs to the end.
  EXPECT_EQ(readDefinitionEntries("\"x\" junk,y\r\n\"open, to the end"),
            (Entries{"x", "y", "open, to the end"}));
  EXPECT_EQ(readDefinitionEntries("  \" kept blanks \"\r\n"), Entries{" kept blanks "});
}

TEST(DefinitionEntries, CommentWithCommaOutsideQuotesSplitsIntoCommentAndFileEntry) {
  const Entries e = readDefinitionEntries("/* remove the cache, C:\\Cache\\*.tmp\r\n");
  ASSERT_EQ(e, (Entries{"/* remove the cache", "C:\\Cache\\*.tmp"}));
  EXPECT_EQ(classifyEntry(e[0]).kind, Kind::Comment);
  EXPECT_EQ(classifyEntry(e[1]).kind, Kind::File);
  EXPECT_EQ(classifyEntry(e[1]).path, "C:\\Cache\\*.tmp");
}

TEST(DefinitionEntryKinds, ValueAndKeyFormsOfTheSameEntry) {
  PluginEntry v = classifyEntry("HKEY_CURRENT_USER\\Software\\X\\Y+Last");
  EXPECT_EQ(v.kind, Kind::RegistryValue);
  EXPECT_EQ(v.path, "Software\\X\\Y");
  EXPECT_EQ(v.name, "Last");
  PluginEntry k = classifyEntry("HKEY_CURRENT_USER\\Software\\X\\Y-Last");
  EXPECT_EQ(k.kind, Kind::RegistryKey);
  EXPECT_EQ(k.path, "Software\\X\\Y");
  // The value name is everything after the first "+", blanks and "+" included.
  v = classifyEntry("HKEY_CURRENT_USER\\Software\\X+a+b c");
  EXPECT_EQ(v.path, "Software\\X");
  EXPECT_EQ(v.name, "a+b c");
  // A value of the root key itself is still under the current user.
  v = classifyEntry("HKEY_CURRENT_USER\\+Stray");
  EXPECT_EQ(v.kind, Kind::RegistryValue);
  EXPECT_EQ(v.path, "");
}

TEST(DefinitionEntryKinds, KeyPathEndsAtTheFirstHyphen) {
  const PluginEntry k = classifyEntry("HKEY_CURRENT_USER\\Software\\My-App\\Recent-");
  EXPECT_EQ(k.kind, Kind::RegistryKey);
  EXPECT_EQ(k.path, "Software\\My");
}

TEST(DefinitionEntryKinds, OtherRootsAndMalformedRegistryEntriesAreRefused) {
  for (const char* e : {"HKEY_CLASSES_ROOT\\Software\\X-", "HKEY_LOCAL_MACHINE\\Software\\X-",
                        "HKEY_USERS\\.DEFAULT\\Software\\X+V", "HKEY_CURRENT_USERS\\Software\\X-",
                        "HKEY", "HKEY_CURRENT_USER", "HKEY_CURRENT_USER\\", "HKEY_CURRENT_USER\\-",
                        "HKEY_CURRENT_USER\\Software\\X", "HKEY_current_user\\Software\\X-"}) {
    const PluginEntry p = classifyEntry(e);
    EXPECT_EQ(p.kind, Kind::Invalid) << e;
    EXPECT_FALSE(p.problem.empty()) << e;
  }
  // "HKEY" is case-sensitive: a lower-case one is a file entry, and no full path.
  EXPECT_EQ(classifyEntry("hkey_current_user\\Software\\X-").kind, Kind::Invalid);
}

TEST(DefinitionEntryKinds, FileEntriesMustBeFullPathsWithoutControlCharacters) {
  EXPECT_EQ(classifyEntry("C:\\Windows\\Temp\\*.tmp").kind, Kind::File);
  EXPECT_EQ(classifyEntry("d:\\x").kind, Kind::File);
  EXPECT_EQ(classifyEntry("\\\\server\\share\\x.log").kind, Kind::File);
  for (const char* e : {"x.tmp", "C:x.tmp", "\\Windows\\x.tmp", "..\\x", "\\\\\\x", "1:\\x"})
    EXPECT_EQ(classifyEntry(e).kind, Kind::Invalid) << e;
  EXPECT_EQ(classifyEntry(std::string("C:\\a.txt\0*", 10)).kind, Kind::Invalid);
  EXPECT_EQ(classifyEntry("C:\\a\t.txt").kind, Kind::Invalid);
  EXPECT_EQ(classifyEntry("/* anything at all, HKEY").kind, Kind::Comment);
}

}  // namespace

namespace {

std::string readData(const std::string& name) {
  std::ifstream in(std::string(TERVANE_DATA_DIR) + "/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

// The plugins shipped in data/: inactive until the user ticks them, every entry well
// formed, and every kind of entry used by each.
TEST(ExamplePlugins, InactiveWellFormedAndUsingEveryKind) {
  for (const char* base : {"mplayer", "thumbs2"}) {
    const std::string info = readData(std::string(base) + ".cp2");
    ASSERT_FALSE(info.empty()) << base;
    EXPECT_NE(info.find("\r\nActive=False\r\n"), std::string::npos) << base;
    std::set<Kind> kinds;
    for (const std::string& e : readDefinitionEntries(readData(std::string(base) + ".cp1"))) {
      const PluginEntry p = classifyEntry(e);
      EXPECT_NE(p.kind, Kind::Invalid) << base << ": " << e;
      kinds.insert(p.kind);
    }
    EXPECT_EQ(kinds,
              (std::set<Kind>{Kind::RegistryValue, Kind::RegistryKey, Kind::Comment, Kind::File}))
        << base;
  }
}

}  // namespace
