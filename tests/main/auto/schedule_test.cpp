#include "main/auto/schedule.h"

#include <gtest/gtest.h>

using platform::LocalTime;
using vorn::Interval;

namespace {

LocalTime at(int year, int month, int day, int hour, int minute, int second = 0) {
  return {year, month, day, hour, minute, second, 0};
}

}  // namespace

TEST(ScheduleTest, IntervalsAddAcrossMonthYearAndLeapDayEnds) {
  EXPECT_EQ(vorn::addInterval(at(2001, 1, 31, 10, 0), {30, 0, 0}), at(2001, 3, 2, 10, 0));
  EXPECT_EQ(vorn::addInterval(at(2000, 1, 31, 10, 0), {30, 0, 0}), at(2000, 3, 1, 10, 0));
  EXPECT_EQ(vorn::addInterval(at(2001, 12, 31, 23, 45, 10), {0, 0, 30}), at(2002, 1, 1, 0, 15, 10));
  EXPECT_EQ(vorn::addInterval(at(2001, 4, 12, 10, 0, 30), {0, 0, 2}), at(2001, 4, 12, 10, 2, 30));
  // The longest interval the lists allow.
  EXPECT_EQ(vorn::addInterval(at(2001, 4, 12, 0, 20), {30, 23, 45}), at(2001, 5, 13, 0, 5));
  LocalTime withMilliseconds = at(2001, 4, 12, 10, 0, 30);
  withMilliseconds.millisecond = 700;
  EXPECT_EQ(vorn::addInterval(withMilliseconds, {0, 1, 0}), at(2001, 4, 12, 11, 0, 30));
}

TEST(ScheduleTest, ListTextsGiveTheIntervalAndEmptyOrForeignTextsCountAsZero) {
  Interval i = vorn::intervalFromLists("3", "1", "15");
  EXPECT_EQ(i.days, 3);
  EXPECT_EQ(i.hours, 1);
  EXPECT_EQ(i.minutes, 15);
  EXPECT_EQ(i.seconds(), ((3 * 24 + 1) * 60 + 15) * 60);
  EXPECT_FALSE(i.zero());
  EXPECT_TRUE(vorn::intervalFromLists("0", "0", "0").zero());
  EXPECT_TRUE(vorn::intervalFromLists("", "", "").zero());
  EXPECT_TRUE(vorn::intervalFromLists("x", "-2", "2x").zero());
  EXPECT_FALSE(vorn::intervalFromLists("0", "0", "2").zero());
}

TEST(ScheduleTest, DueWhenTheCurrentMinuteHasReachedTheScheduledOneOnTheFullDate) {
  const LocalTime next = at(2001, 4, 12, 10, 2, 30);
  EXPECT_FALSE(vorn::isDue(at(2001, 4, 12, 10, 1, 59), next));
  EXPECT_TRUE(vorn::isDue(at(2001, 4, 12, 10, 2, 0), next)) << "seconds are not compared";
  EXPECT_TRUE(vorn::isDue(at(2001, 4, 12, 10, 2, 59), next));
  EXPECT_TRUE(vorn::isDue(at(2001, 4, 12, 10, 7, 0), next)) << "a late tick still runs";
  EXPECT_TRUE(vorn::isDue(at(2001, 5, 1, 0, 0, 0), next));
  // Same day of the month, hour and minute, but a month early.
  EXPECT_FALSE(vorn::isDue(at(2001, 2, 2, 10, 0), at(2001, 3, 2, 10, 0)));
  // Same day, hour and minute a year early.
  EXPECT_FALSE(vorn::isDue(at(2000, 3, 2, 10, 0), at(2001, 3, 2, 10, 0)));
}

TEST(ScheduleTest, AdvanceKeepsThePhaseAndLandsAfterNowOnce) {
  const Interval twoMinutes{0, 0, 2};
  // A run in its minute: one interval from the previous time, not from now.
  EXPECT_EQ(vorn::advancePast(at(2001, 4, 12, 10, 2, 30), twoMinutes, at(2001, 4, 12, 10, 2, 50)),
            at(2001, 4, 12, 10, 4, 30));
  // A machine that slept through three slots is scheduled for the next one after now.
  EXPECT_EQ(vorn::advancePast(at(2001, 4, 12, 10, 2, 30), twoMinutes, at(2001, 4, 12, 10, 9, 10)),
            at(2001, 4, 12, 10, 10, 30));
  // A slot exactly at now is past.
  EXPECT_EQ(vorn::advancePast(at(2001, 4, 12, 10, 2, 30), twoMinutes, at(2001, 4, 12, 10, 4, 30)),
            at(2001, 4, 12, 10, 6, 30));
  // A clock set back leaves one interval.
  EXPECT_EQ(vorn::advancePast(at(2001, 4, 12, 10, 2, 30), twoMinutes, at(2001, 4, 1, 0, 0)),
            at(2001, 4, 12, 10, 4, 30));
  // Years ahead with the shortest interval: computed, not stepped.
  EXPECT_EQ(vorn::advancePast(at(2001, 4, 12, 10, 2, 30), twoMinutes, at(2031, 4, 12, 10, 3, 0)),
            at(2031, 4, 12, 10, 4, 30));
  EXPECT_EQ(vorn::advancePast(at(2001, 1, 31, 10, 0), {30, 0, 0}, at(2001, 3, 2, 10, 0, 40)),
            at(2001, 4, 1, 10, 0));
}
