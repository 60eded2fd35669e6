#include "platform/wildcard.h"

#include <gtest/gtest.h>

#include "platform/file_time.h"

using namespace platform;

TEST(Wildcard, DosRulesForDotsAndQuestionMarks) {
  EXPECT_TRUE(wildcardMatch("*.*", "noext"));
  EXPECT_TRUE(wildcardMatch("*.DAT", "index.dat"));
  EXPECT_FALSE(wildcardMatch("*.dat", "index.datx"));
  EXPECT_TRUE(wildcardMatch("mshist~?", "mshist~1"));
  EXPECT_TRUE(wildcardMatch("ab?", "ab"));
  EXPECT_FALSE(wildcardMatch("a?c", "ac"));
  EXPECT_TRUE(wildcardMatch("*.", "noext"));
  EXPECT_FALSE(wildcardMatch("*.", "a.b"));
  EXPECT_TRUE(wildcardMatch("cook*.txt", "Cookies.TXT"));
}

TEST(FileTime, CalendarRoundTripsAcrossLeapDaysAndCenturies) {
  for (LocalTime t : {LocalTime{1601, 1, 1, 0, 0, 0, 0}, LocalTime{2000, 2, 29, 23, 59, 59, 999},
                      LocalTime{2001, 4, 12, 10, 15, 0, 0}, LocalTime{2100, 3, 1, 0, 0, 1, 0}}) {
    EXPECT_EQ(calendarFromFileTime(fileTimeFromCalendar(t)), t) << t.year << "-" << t.month;
  }
  // 1 January 1970 is 11644473600 seconds after 1 January 1601.
  EXPECT_EQ(fileTimeFromCalendar({1970, 1, 1, 0, 0, 0, 0}), 11644473600ULL * kTicksPerSecond);
  EXPECT_EQ(fileTimeFromCalendar({2001, 4, 13, 0, 0, 0, 0}) -
                fileTimeFromCalendar({2001, 4, 12, 23, 59, 0, 0}),
            60 * kTicksPerSecond);
}

TEST(Wildcard, ShortNamesExistOnlyForLongNames) {
  EXPECT_EQ(shortNameOf("index.dat"), "");
  EXPECT_EQ(shortNameOf("abc.datx"), "ABC~1.DAT");
  EXPECT_EQ(shortNameOf("Temporary Internet Files"), "TEMPOR~1");
  EXPECT_FALSE(wildcardMatch("*.dat", "abc.datx"));  // the long name alone does not match
}
