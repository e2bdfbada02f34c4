#include <gtest/gtest.h>

#include "common/NumberFormat.h"

TEST(NumberFormat, GeneralFormatWithFifteenDigitsAndNoTrailingZeros) {
  struct Case {
    double value;
    const char* text;
  };
  const Case cases[] = {
      {0, "0"},
      {-0.0, "0"},
      {2540000, "2540000"},
      {-2540000, "-2540000"},
      {0.5, "0.5"},
      {1.0 / 3, "0.333333333333333"},
      {0.1 + 0.2, "0.3"},
      {123456789012345, "123456789012345"},
      {0.00001, "0.00001"},
      {0.000001, "1E-6"},
      {1e15, "1E15"},
      {-1.5e20, "-1.5E20"},
      {393700.78740157, "393700.78740157"},
      {-159532390, "-159532390"},
      {999999999999999, "999999999999999"},
      {-999999999999999, "-999999999999999"},
      {4503599627370497, "4.5035996273705E15"},
      {-0.5, "-0.5"},
      {-0.000001, "-1E-6"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatNumber(c.value), c.text);
    std::string appended = "x ";
    AppendNumber(appended, c.value);
    EXPECT_EQ(appended, std::string("x ") + c.text);
  }
}

TEST(NumberFormat, RoundingGoesToEvenOnHalves) {
  EXPECT_EQ(RoundHalfEven(0.5), 0);
  EXPECT_EQ(RoundHalfEven(1.5), 2);
  EXPECT_EQ(RoundHalfEven(2.5), 2);
  EXPECT_EQ(RoundHalfEven(-2.5), -2);
  EXPECT_EQ(RoundHalfEven(2.5000001), 3);
}
