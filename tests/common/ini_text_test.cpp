#include "common/ini_text.h"

#include <gtest/gtest.h>

using common::iniAssign;
using common::iniLookup;

TEST(IniLookup, NamesMatchIgnoringCaseAndBlanks) {
  const std::string text = "[UserDef]\r\nUDvalue1=1\r\n  udName2  =  My list  \r\n";
  EXPECT_EQ(iniLookup(text, "UserDef", "UDvalue1 "), "1");
  EXPECT_EQ(iniLookup(text, " userdef", "udvalue1"), "1");
  EXPECT_EQ(iniLookup(text, "USERDEF", "UDname2"), "My list");
  EXPECT_FALSE(iniLookup(text, "UserDef", "UDvalue2"));
  EXPECT_FALSE(iniLookup(text, "Other", "UDvalue1"));
}

TEST(IniLookup, ValuesLoseOnePairOfDoubleQuotesOnly) {
  const std::string text =
      "[s]\nq=\"quoted\"\nqq=\"\"two\"\"\nhalf=\"open\nsingle='kept'\neq=a=b=c\nempty=\n";
  EXPECT_EQ(iniLookup(text, "s", "q"), "quoted");
  EXPECT_EQ(iniLookup(text, "s", "qq"), "\"two\"");
  EXPECT_EQ(iniLookup(text, "s", "half"), "\"open");
  EXPECT_EQ(iniLookup(text, "s", "single"), "'kept'");
  EXPECT_EQ(iniLookup(text, "s", "eq"), "a=b=c");
  EXPECT_EQ(iniLookup(text, "s", "empty"), "");
}

TEST(IniLookup, FirstSectionAndFirstKeyWin) {
  const std::string text = "[a]\nk=1\nk=2\n[b]\nk=3\n[a]\nk=4\nonly=5\n";
  EXPECT_EQ(iniLookup(text, "a", "k"), "1");
  EXPECT_EQ(iniLookup(text, "b", "k"), "3");
  EXPECT_FALSE(iniLookup(text, "a", "only"));
}

TEST(IniLookup, KeysOutsideSectionsAndCommentsDoNotMatch) {
  const std::string text = "k=top\n;k=comment\n[s]\n;k=c\nk=real";
  EXPECT_EQ(iniLookup(text, "s", "k"), "real");
  EXPECT_FALSE(iniLookup(text, "s", "nothing"));
  EXPECT_FALSE(iniLookup("", "s", "k"));
}

TEST(IniAssign, ReplacesInPlaceKeepingOtherLinesAndSpelling) {
  const std::string text = "; settings\r\n[Path]\r\nIE1 = C:\\old\\\r\nIE2=x\r\n[Inst]\r\nA=1\r\n";
  EXPECT_EQ(iniAssign(text, "path", "ie1", "C:\\new\\"),
            "; settings\r\n[Path]\r\nIE1=C:\\new\\\r\nIE2=x\r\n[Inst]\r\nA=1\r\n");
}

TEST(IniAssign, AppendsKeyAtEndOfItsSectionAndNewSectionsAtEnd) {
  std::string text = "[a]\r\nx=1\r\n\r\n[b]\r\ny=2";
  text = iniAssign(text, "a", "z", "3");
  EXPECT_EQ(text, "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2");
  text = iniAssign(text, "b", "w", "4");
  EXPECT_EQ(text, "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=2\r\nw=4\r\n");
  text = iniAssign(text, "c", "v", "5");
  EXPECT_EQ(iniLookup(text, "c", "v"), "5");
  EXPECT_EQ(iniLookup(text, "a", "z"), "3");
  EXPECT_EQ(iniLookup(text, "b", "w"), "4");
}

TEST(IniAssign, KeepsTheTextsLineEndsAndStartsNewFilesWithCrLf) {
  EXPECT_EQ(iniAssign("", "Path", "Detect", "1"), "[Path]\r\nDetect=1\r\n");
  EXPECT_EQ(iniAssign("[s]\nk=1\n", "s", "j", "2"), "[s]\nk=1\nj=2\n");
}

TEST(IniAssign, WritesOnlyIntoTheFirstOfDuplicateSections) {
  std::string text = iniAssign("[a]\nk=1\n[a]\nk=2\n", "a", "k", "9");
  EXPECT_EQ(text, "[a]\nk=9\n[a]\nk=2\n");
}
