#include <gtest/gtest.h>

#include "model/structure/BoardOffset.h"

TEST(BoardOffset, MovesDesignsIntoTheWorkspaceWithMarginsWhereTheyFit) {
  struct Case {
    const char* name;
    TBoardExtent extent;
    bool fits;
    double x;
    double y;
  };
  constexpr int32_t M = 20000000;
  const Case cases[] = {
      {"inside both margins", {M, M, 979990000, 979990000}, true, 0, 0},
      {"small design at the origin", {0, 0, 1000000, 2000000}, true, M, M},
      {"left of the workspace", {-1000000, M, 49000000, M + 10}, true, 21000000, 0},
      {"beyond the high margin", {900000000, M, 990000000, M + 10}, true, 979990000 - 990000000.0, 0},
      {"970,000,000 wide: low margin only", {0, M, 970000000, M}, true, M, 0},
      {"990,000,000 wide: no margin", {0, M, 990000000, M}, true, 0, 0},
      {"990,000,000 wide and too far right", {10000000, M, 1000000000, M}, true, -10000, 0},
      {"wider than the workspace: no offset at all", {-5, -5, 999990001, 10}, false, 0, 0},
      {"tall and narrow", {0, 0, 10000000, 970000000}, true, M, M},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const TBoardOffset offset = ComputeBoardOffset(c.extent);
    EXPECT_EQ(offset.Fits, c.fits);
    EXPECT_DOUBLE_EQ(offset.X, c.x);
    EXPECT_DOUBLE_EQ(offset.Y, c.y);
  }
}
