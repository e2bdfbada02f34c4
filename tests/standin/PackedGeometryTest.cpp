// A component member's relative geometry packed and unpacked: every number comes back
// exactly, whatever the geometry holds, long outlines (beyond the pool's slots) included.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "server/PackedGeometry.h"

namespace {

using standin::TGeometry;
using standin::TPackedGeometry;
using standin::TPointD;

bool SameBits(double a, double b) { return std::memcmp(&a, &b, sizeof(double)) == 0; }

void ExpectSame(const TGeometry& unpacked, const TGeometry& packed) {
  ASSERT_EQ(unpacked.PointCount, packed.PointCount);
  ASSERT_EQ(unpacked.AngleKind, packed.AngleKind);
  for (uint8_t i = 0; i < packed.PointCount; ++i) {
    EXPECT_TRUE(SameBits(unpacked.Points[i].X, packed.Points[i].X)) << "point " << int{i};
    EXPECT_TRUE(SameBits(unpacked.Points[i].Y, packed.Points[i].Y)) << "point " << int{i};
  }
  if (packed.AngleKind != TGeometry::TAngles::None) {
    EXPECT_TRUE(SameBits(unpacked.Angles[0], packed.Angles[0]));
    EXPECT_TRUE(SameBits(unpacked.Angles[1], packed.Angles[1]));
  }
  ASSERT_EQ(unpacked.Outline.size(), packed.Outline.size());
  for (std::size_t i = 0; i < packed.Outline.size(); ++i) {
    EXPECT_TRUE(SameBits(unpacked.Outline[i].X, packed.Outline[i].X)) << "vertex " << i;
    EXPECT_TRUE(SameBits(unpacked.Outline[i].Y, packed.Outline[i].Y)) << "vertex " << i;
  }
}

TGeometry Outline(std::size_t vertices) {
  TGeometry geometry;
  for (std::size_t i = 0; i < vertices; ++i)
    geometry.Outline.push_back({std::sin(i * 0.1) * 1e7, -std::cos(i * 0.3) * 3.25});
  return geometry;
}

TEST(PackedGeometry, GivesBackEveryNumberExactly) {
  struct TCase {
    const char* Name;
    TGeometry Geometry;
  };
  TGeometry pad;  // one point and a direction
  pad.PointCount = 1;
  pad.Points[0] = {1234567.25, -0.1};
  pad.AngleKind = TGeometry::TAngles::Direction;
  pad.Angles[0] = 359.99999999;
  TGeometry track;  // two points, no angles
  track.PointCount = 2;
  track.Points[0] = {-1e9, 1e-9};
  track.Points[1] = {5, 7};
  TGeometry arc;  // a centre and both angles
  arc.PointCount = 1;
  arc.Points[0] = {0.5, 0.25};
  arc.AngleKind = TGeometry::TAngles::Arc;
  arc.Angles[0] = 12.5;
  arc.Angles[1] = -270;
  TGeometry shapeWithPoint = Outline(5);
  shapeWithPoint.PointCount = 1;
  shapeWithPoint.Points[0] = {3, 4};
  const TCase cases[] = {
      {"nothing", TGeometry{}}, {"pad", pad},
      {"track", track},         {"arc", arc},
      {"outline and point", shapeWithPoint},
      {"outline beyond the largest slot", Outline(1000)},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const TPackedGeometry::TPointer packed = TPackedGeometry::Pack(c.Geometry);
    ExpectSame(packed->Unpack(), c.Geometry);
  }
}

}  // namespace
