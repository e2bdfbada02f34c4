#include <gtest/gtest.h>

#include <limits>

#include "rtl/HostUnits.h"

TEST(HostUnits, ConversionsRoundAndSaturate) {
  EXPECT_EQ(MilToCoord(1), 10000);
  EXPECT_EQ(RoundToHostUnits(2.5), 2) << "halves round to even";
  EXPECT_EQ(RoundToHostUnits(3.5), 4);
  EXPECT_EQ(RoundToHostUnits(-2.5), -2);
  EXPECT_EQ(MmToCoord(1), 393701);
  EXPECT_EQ(MmToCoord(25.4), 10000000);
  EXPECT_EQ(MilToCoord(1e9), std::numeric_limits<int32_t>::max());
  EXPECT_EQ(MilToCoord(-1e9), std::numeric_limits<int32_t>::min());
  bool saturated = false;
  EXPECT_EQ(RoundToHostUnits(std::numeric_limits<double>::quiet_NaN(), &saturated), 0);
  EXPECT_TRUE(saturated);
  EXPECT_EQ(RoundToHostUnits(2147483647.4, &saturated), 2147483647);
  EXPECT_FALSE(saturated);
}

TEST(HostUnits, BackToMilsAndMillimetres) {
  EXPECT_DOUBLE_EQ(CoordToMil(254000), 25.4);
  EXPECT_DOUBLE_EQ(CoordToMil(-15), -0.002);
  EXPECT_DOUBLE_EQ(CoordToMm(393701), 1.0);
  EXPECT_DOUBLE_EQ(CoordToMm(10000000), 25.4);
}

TEST(HostUnits, UnitTextDropsTrailingZerosAndPoint) {
  EXPECT_EQ(CoordToUnitText(254000, true), "25.4mil");
  EXPECT_EQ(CoordToUnitText(0, true), "0mil");
  EXPECT_EQ(CoordToUnitText(10000, true), "1mil");
  EXPECT_EQ(CoordToUnitText(-12345, true), "-1.234mil") << "the fraction rounds half to even";
  EXPECT_EQ(CoordToUnitText(500000, false), "1.27mm");
  EXPECT_EQ(CoordToUnitText(0, false), "0mm");
}
