#include "common/text_lines.h"

#include <gtest/gtest.h>

using common::joinLines;
using common::splitLines;
using Lines = std::vector<std::string>;

TEST(SplitLines, EveryKindOfLineEndAndNoneAtAll) {
  EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (Lines{"a", "b", "c", "d"}));
  EXPECT_EQ(splitLines("only"), (Lines{"only"}));
  EXPECT_EQ(splitLines(""), Lines{});
  EXPECT_EQ(splitLines("a\r\n"), (Lines{"a"}));
  // Blank lines are lines: a CR then LF is one end, LF then CR two.
  EXPECT_EQ(splitLines("\r\n\r\nx\n\r"), (Lines{"", "", "x", ""}));
  EXPECT_EQ(splitLines("\r"), (Lines{""}));
}

TEST(SplitLines, KeepsNulAndHighBytesAndLongLines) {
  const std::string nul("a\0b", 3);
  const std::string high = "\xff\xfe\x80";
  const std::string longLine(3 * 1024 * 1024, 'x');
  const Lines lines = splitLines(nul + "\n" + high + "\r\n" + longLine);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], nul);
  EXPECT_EQ(lines[1], high);
  EXPECT_EQ(lines[2].size(), longLine.size());
}

TEST(JoinLines, EndsEveryLineAndRoundTrips) {
  EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
  EXPECT_EQ(joinLines({}), "");
  EXPECT_EQ(joinLines({"a"}, "\n"), "a\n");
  const Lines lines{"x", "", std::string("\0", 1), "y"};
  EXPECT_EQ(splitLines(joinLines(lines)), lines);
}
