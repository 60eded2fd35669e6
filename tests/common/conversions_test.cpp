#include "common/conversions.h"

#include <gtest/gtest.h>

#include "common/run_error.h"

using namespace common;

namespace {
int errorOf(void (*f)()) {
  try {
    f();
  } catch (const RunError& e) {
    return e.number();
  }
  return 0;
}
}  // namespace

TEST(Conversions, NumbersAllowBlanksSignsAndRoundHalfToEven) {
  EXPECT_EQ(toInteger(" 12 "), 12);
  EXPECT_EQ(toInteger("-3"), -3);
  EXPECT_EQ(toInteger("2.5"), 2);
  EXPECT_EQ(toInteger("3.5"), 4);
  EXPECT_EQ(toLong("150001"), 150001);
}

TEST(Conversions, NonNumbersAreTypeMismatchAndLargeOnesOverflow) {
  EXPECT_EQ(errorOf([] { toInteger(""); }), 13);
  EXPECT_EQ(errorOf([] { toInteger("abc"); }), 13);
  EXPECT_EQ(errorOf([] { toInteger("1x"); }), 13);
  EXPECT_EQ(errorOf([] { toInteger("-"); }), 13);
  EXPECT_EQ(errorOf([] { toInteger("40000"); }), 6);
  EXPECT_EQ(errorOf([] { toFlag(""); }), 13);
  EXPECT_EQ(errorOf([] { toFlag("yes"); }), 13);
}

TEST(Conversions, FlagsAreZeroOrAnyNumberOrTheirNames) {
  EXPECT_FALSE(toFlag("0"));
  EXPECT_TRUE(toFlag("1"));
  EXPECT_TRUE(toFlag("-1"));
  EXPECT_TRUE(toFlag("True"));
  EXPECT_FALSE(toFlag("false"));
}
