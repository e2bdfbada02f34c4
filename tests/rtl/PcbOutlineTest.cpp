#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "rtl/PcbOutline.h"

namespace {

// The record holds 5001 segments: too large for the stack of a test.
std::unique_ptr<PcbOutlineRecord> NewOutline() { return std::make_unique<PcbOutlineRecord>(); }

std::vector<TPcbPoint> Vertices(int count, bool closed) {
  std::vector<TPcbPoint> vertices;
  for (int i = 0; i < count; ++i) vertices.push_back({i, i * 2 + 1});
  if (closed) vertices.push_back(vertices.front());
  return vertices;
}

TEST(PcbOutline, OpenListGetsAClosingCopyOutsideTheCount) {
  auto outline = NewOutline();
  const std::vector<TPcbPoint> square{{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  ASSERT_TRUE(SetOutlineVertices(*outline, square));
  EXPECT_EQ(outline->segmentCount, 4);
  EXPECT_EQ(outline->segments[4].x, 0);
  EXPECT_EQ(outline->segments[4].y, 0);
  EXPECT_EQ(outline->segments[2].kind, kPcbSegmentLine);
  EXPECT_EQ(OutlineVertices(*outline), square);
}

TEST(PcbOutline, ClosedListCountsOneLess) {
  auto outline = NewOutline();
  ASSERT_TRUE(SetOutlineVertices(*outline, Vertices(4, true)));
  EXPECT_EQ(outline->segmentCount, 4);
  EXPECT_EQ(outline->segments[4].y, 1);
  ASSERT_TRUE(SetOutlineVertices(*outline, {}));
  EXPECT_EQ(outline->segmentCount, 0);
}

TEST(PcbOutline, CapacityIsCheckedBeforeWriting) {
  struct Case {
    int vertices;
    bool closed;
    bool fits;
  };
  const Case cases[] = {
      {5000, false, true}, {5001, false, false}, {5000, true, true}, {5001, true, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.vertices + (c.closed ? 1 : 0));
    auto outline = NewOutline();
    outline->segmentCount = 3;
    EXPECT_EQ(SetOutlineVertices(*outline, Vertices(c.vertices, c.closed)), c.fits);
    EXPECT_EQ(outline->segmentCount, c.fits ? c.vertices : 3);
  }
}

TEST(PcbOutline, CountOutsideTheRecordIsHeldToIt) {
  auto outline = NewOutline();
  outline->segmentCount = -4;
  EXPECT_TRUE(OutlineVertices(*outline).empty());
  outline->segmentCount = 1 << 30;
  EXPECT_EQ(OutlineVertices(*outline).size(), static_cast<std::size_t>(kPcbOutlineCapacity));
}

}  // namespace
