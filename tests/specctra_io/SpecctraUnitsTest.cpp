#include <gtest/gtest.h>

#include <limits>

#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraUnits.h"

namespace {

class SpecctraUnitsTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(SpecctraUnitsTest, LengthsInEveryUnit) {
  struct Case {
    TSpecctraUnit unit;
    double value;
    int32_t host;
    bool unknown;
  };
  const Case cases[] = {
      {uInch, 0.5, 5000000, false}, {uMil, 1, 10000, false},    {uMil, 0.00005, 0, false},
      {uCm, 2.54, 10000000, false}, {uMm, 1, 393701, false},    {uUm, 25.4, 10000, false},
      {uNone, 3, 30000, true},      {TSpecctraUnit(9), 1, 10000, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.unit) << " " << c.value);
    const TBoardLength length = ToBoardLength(c.unit, c.value);
    EXPECT_EQ(length.Value, c.host);
    EXPECT_EQ(length.UnknownUnit, c.unknown);
    EXPECT_FALSE(length.Saturated);
  }
}

TEST_F(SpecctraUnitsTest, ResolutionScaleDividesAndOffsetsMoveCoordinates) {
  TranslationState().ResolutionScale = 10;
  EXPECT_EQ(ToBoardLength(uMil, 100).Value, 100000);
  TranslationState().ResolutionScale = 1;
  TranslationState().BoardOffsetX = 20000000;
  TranslationState().BoardOffsetY = -5;
  EXPECT_EQ(ToBoardX(uInch, 0.5).Value, 25000000);
  EXPECT_EQ(ToBoardY(uMil, 1).Value, 9995);
}

TEST_F(SpecctraUnitsTest, OutOfRangeResultsSaturate) {
  const TBoardLength huge = ToBoardLength(uInch, 1e12);
  EXPECT_TRUE(huge.Saturated);
  EXPECT_EQ(huge.Value, std::numeric_limits<int32_t>::max());
  TranslationState().BoardOffsetY = std::numeric_limits<int32_t>::max();
  EXPECT_TRUE(ToBoardY(uMil, 1).Saturated);
  EXPECT_TRUE(ToBoardLength(uMil, std::numeric_limits<double>::infinity()).Saturated);
}

TEST_F(SpecctraUnitsTest, ExportScalesAndRemovesTheOffset) {
  TranslationState().ResolutionScale = 0.254;
  EXPECT_EQ(ToSpecctraLength(10000), 2540);
  TranslationState().BoardOffsetX = 20000000;
  EXPECT_EQ(ToSpecctraX(20010000), 2540);
  EXPECT_EQ(ToSpecctraY(-10000), -2540);
  EXPECT_EQ(UnitsPerInch(uUm), 25400);
  EXPECT_EQ(UnitsPerInch(uNone), 1000);
}
