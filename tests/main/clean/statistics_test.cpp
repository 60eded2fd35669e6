#include "main/stats/statistics.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "tests/main/clean/clean_fixture.h"

using namespace vorn;
using ::testing::HasSubstr;

class StatisticsTest : public clean_test::CleanSession {
 protected:
  void store(const std::string& key, const std::string& value) {
    settings.AddToini("Statistics", key, value, ini());
  }
  // One finished run that moved the free space from `before` to `after` kilobytes.
  void run(std::int64_t before, double after, const std::string& label) {
    std::int64_t b = before, a = 0;
    freeKB = after;
    statistics.updateGraph(b, a, label);
    EXPECT_EQ(b, a);
  }
};

TEST_F(StatisticsTest, ARunWritesTheFreedSpaceIntoTheNextRow) {
  std::int64_t before = 10000, after = 0;
  freeKB = 12048;
  int redraws = 0;
  statistics.changed = [&] { ++redraws; };
  statistics.updateGraph(before, after, "12/04/2001 10:15:00");
  EXPECT_EQ(after, 12048);
  EXPECT_EQ(before, 12048);
  EXPECT_EQ(statistics.rows()[0].value, "2048");
  EXPECT_EQ(statistics.rows()[0].label, "12/04/2001 10:15:00");
  EXPECT_EQ(statistics.statisticsSlot(), 2);
  EXPECT_GE(redraws, 1);
  // Shrinking free space records the size of the change.
  run(5000, 4990, "second");
  EXPECT_EQ(statistics.rows()[1].value, "10");
}

TEST_F(StatisticsTest, TheFifthRunShiftsTheRowsAndIsSavedAsFive) {
  for (int i = 1; i <= 5; ++i) run(1000, 1000 + i, "run " + std::to_string(i));
  EXPECT_EQ(statistics.statisticsSlot(), 5);
  EXPECT_EQ(statistics.rows()[0].label, "run 2");
  EXPECT_EQ(statistics.rows()[2].value, "4");
  EXPECT_EQ(statistics.rows()[3].label, "run 5");
  EXPECT_EQ(statistics.rows()[3].value, "5");
  run(1000, 1006, "run 6");
  EXPECT_EQ(statistics.rows()[0].label, "run 3");
  EXPECT_EQ(statistics.rows()[3].label, "run 6");
}

TEST_F(StatisticsTest, SavedRowsComeBackAtTheNextStart) {
  store("Current", "3");
  store("Date1", "a");
  store("Size1", "100");
  store("Date2", "b");
  store("Size2", "200");
  statistics.getStatistics();
  EXPECT_EQ(statistics.statisticsSlot(), 3);
  EXPECT_EQ(statistics.rows()[1].label, "b");
  EXPECT_EQ(statistics.rows()[1].value, "200");
  EXPECT_EQ(statistics.rows()[3].value, "");
  run(0, 7, "c");
  EXPECT_EQ(statistics.rows()[2].value, "7");
  EXPECT_EQ(statistics.rows()[0].value, "100");
  EXPECT_EQ(logText(), "");
}

TEST_F(StatisticsTest, AMissingOrStrangeSlotIsLoggedOrStartsAtRowOne) {
  statistics.getStatistics();
  EXPECT_THAT(logText(), HasSubstr("getStatistics at line 0 - Type mismatch (13)"));
  EXPECT_EQ(statistics.statisticsSlot(), 1);
  store("Current", "9");
  statistics.getStatistics();
  EXPECT_EQ(statistics.statisticsSlot(), 1);
}

TEST_F(StatisticsTest, AFailedFreeSpaceReadingRecordsThePreviousSpace) {
  run(4000, 0, "failed reading");
  EXPECT_EQ(statistics.rows()[0].value, "4000");
}

TEST(WholeKilobytes, RoundsToNearestEvenAndKeepsLargeDrives) {
  EXPECT_EQ(wholeKilobytes(2.5), 2);
  EXPECT_EQ(wholeKilobytes(3.5), 4);
  EXPECT_EQ(wholeKilobytes(1023.6), 1024);
  EXPECT_EQ(wholeKilobytes(3.0e9), 3000000000LL);  // past the 32-bit range
  EXPECT_THROW(wholeKilobytes(1.0 / 0.0), common::RunError);
}
