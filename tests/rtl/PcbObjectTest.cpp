// Wrapper behaviour that needs no host: flag operations, moves, sizes and geometry.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "rtl/PcbEmbedded.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/PcbVia.h"

namespace {

TEST(PcbObject, FlagWordSettersChangeOnlyTheirBit) {
  struct Case {
    const char* name;
    std::function<void(TPCBObject&, bool)> set;
    std::function<bool(const TPCBObject&)> get;
    uint16_t bit;
  };
  const Case cases[] = {
      {"0x0010", &TPCBObject::SetFlagBit0x0010, &TPCBObject::GetFlagBit0x0010, 0x0010},
      {"test point top", &TPCBObject::SetTestPointTop, &TPCBObject::GetTestPointTop, 0x0800},
      {"keepout", &TPCBObject::SetKeepout, &TPCBObject::GetKeepout, 0x1000},
      {"test point bottom", &TPCBObject::SetTestPointBottom, &TPCBObject::GetTestPointBottom,
       0x2000},
      {"0x4000", &TPCBObject::SetFlagBit0x4000, &TPCBObject::GetFlagBit0x4000, 0x4000},
      {"0x8000", &TPCBObject::SetFlagBit0x8000, &TPCBObject::GetFlagBit0x8000, 0x8000},
      {"0x0008 written", [](TPCBObject& o, bool on) { o.SetFlagBit0x0008AndWrite(on); },
       &TPCBObject::GetFlagBit0x0008, 0x0008},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TPcbTrack track;
    track.SetFlags(0x0101);
    c.set(track, true);
    EXPECT_EQ(track.GetFlags(), 0x0101 | c.bit);
    EXPECT_TRUE(c.get(track));
    c.set(track, false);
    EXPECT_EQ(track.GetFlags(), 0x0101);
    EXPECT_FALSE(c.get(track));
  }
}

TEST(PcbObject, Bit0x0100ReadsInverted) {
  TPcbTrack track;
  EXPECT_TRUE(track.GetFlagBit0x0100Clear());
  track.SetFlagBit0x0100ClearAndWrite(false);
  EXPECT_EQ(track.GetFlags(), 0x0100);
  EXPECT_FALSE(track.GetFlagBit0x0100Clear());
  track.SetFlagBit0x0100ClearAndWrite(true);
  EXPECT_EQ(track.GetFlags(), 0);
}

TEST(PcbObject, BitField3Pairs) {
  TPcbTrack track;
  track.SetBitField3Bit0x04(true);
  EXPECT_TRUE(track.GetBitField3Bit0x02Or0x04());
  EXPECT_FALSE(track.GetBitField3Bit0x02());
  track.SetBitField3Bits0x02And0x04(true);
  EXPECT_EQ(track.GetBitField3(), 0x0006);
  track.SetBitField3Bit0x02(false);
  EXPECT_EQ(track.GetBitField3(), 0x0004);
  track.SetBitField3Bits0x02And0x04(false);
  EXPECT_EQ(track.GetBitField3(), 0);
  EXPECT_FALSE(track.GetBitField3Bit0x02Or0x04());
}

TEST(PcbObject, FlagBytesBelongToPadsAndVias) {
  TPcbPad pad;
  TPcbVia via;
  TPcbTrack track;
  for (TPCBObject* object : {static_cast<TPCBObject*>(&pad), static_cast<TPCBObject*>(&via)}) {
    object->SetFlagByte2(true);
    EXPECT_TRUE(object->GetFlagByte2());
    EXPECT_FALSE(object->GetFlagByte1());
  }
  track.SetFlagByte1(true);
  EXPECT_FALSE(track.GetFlagByte1());
}

TEST(PcbObject, MovesCarrySecondPointsOfTracksAndFills) {
  TPcbTrack track;
  track.SetX2(100);
  track.SetY2(200);
  track.MoveBy(10, -20);
  EXPECT_EQ(track.GetX(), 10);
  EXPECT_EQ(track.GetY(), -20);
  EXPECT_EQ(track.GetX2(), 110);
  EXPECT_EQ(track.GetY2(), 180);

  TPcbFill fill;
  fill.SetX2(5);
  fill.MoveBy(1, 1);
  EXPECT_EQ(fill.GetX2(), 6);
  EXPECT_EQ(fill.GetY2(), 1);

  TPcbArc arc;
  arc.MoveBy(3, 4);
  EXPECT_EQ(arc.GetX2(), 3) << "the base repeats the first point";
  EXPECT_EQ(arc.GetY2(), 4);

  TPcbVia via;
  via.SetX(INT32_MAX - 1);
  via.MoveBy(10, 0);
  EXPECT_EQ(via.GetX(), INT32_MAX) << "moves saturate";
}

TEST(PcbObject, LayerSetterStoresTheId) {
  TPcbTrack track;
  track.SetLayer(kBottomLayer);
  EXPECT_EQ(track.GetLayerId(), 32u);
  track.SetLayer(200);
  EXPECT_EQ(track.GetLayerId(), 0u) << "no layer for a number beyond 82";
  track.SetLayerId(257u << 16 | 40);
  EXPECT_EQ(track.GetLayer(), kMidLayer30);
}

TEST(PcbObject, PadValuesPerLayerStayInsideTheTable) {
  TPcbPad pad;
  pad.SetSizeOnLayer(kBottomLayer, 600000, 400000);
  pad.SetShapeOnLayer(kBottomLayer, kPadShapeRoundedRectangle);
  pad.SetSizeOnLayer(200, 1, 1);
  pad.SetShapeOnLayer(83, 1);
  EXPECT_EQ(pad.XSizeOnLayer(kBottomLayer), 600000);
  EXPECT_EQ(pad.MinSizeOnLayer(kBottomLayer), 400000);
  EXPECT_EQ(pad.ShapeOnLayer(kBottomLayer), kPadShapeRoundedRectangle);
  EXPECT_EQ(pad.XSizeOnLayer(200), 0);
  EXPECT_EQ(pad.ShapeOnLayer(83), 0);
  EXPECT_EQ(pad.MinSizeOnLayer(kTopLayer), 0);

  TPcbVia via;
  via.SetDiameter(400000);
  EXPECT_EQ(via.MinSizeOnLayer(kMidLayer1), 400000);
  EXPECT_EQ(via.MinSizeOnLayer(200), 0);
}

TEST(PcbObject, PadNameIsCutToTwentyBytes) {
  TPcbPad pad;
  pad.SetName("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
  EXPECT_EQ(pad.GetName(), "ABCDEFGHIJKLMNOPQRST");
}

TEST(PcbObject, EmbeddedDataKeepsRoomForItsTerminator) {
  TPcbEmbedded embedded;
  embedded.SetData(std::string(5000, 'd'));
  EXPECT_EQ(embedded.GetData(), std::string(4095, 'd'));
  embedded.SetData("short");
  EXPECT_EQ(embedded.GetData(), "short") << "the old tail is cleared";
}

TEST(PcbObject, CornersOfTurnedObjects) {
  TPcbTrack track;
  track.SetX2(100);
  track.SetWidth(20);
  const std::array<TPcbPoint, 4> trackCorners{{{0, -10}, {100, -10}, {100, 10}, {0, 10}}};
  EXPECT_EQ(track.Corners(0), trackCorners);

  TPcbPad pad;
  pad.SetX(1000);
  pad.SetY(2000);
  pad.SetTopSize(100, 40);
  pad.SetRotation(90);
  const std::array<TPcbPoint, 4> padCorners{{{1025, 1945}, {1025, 2055}, {975, 2055}, {975, 1945}}};
  EXPECT_EQ(pad.Corners(5), padCorners);

  pad.SetSizeOnLayer(kTopLayer, 20, 20);
  const std::array<TPcbPoint, 4> layerCorners{
      {{1010, 1990}, {1010, 2010}, {990, 2010}, {990, 1990}}};
  EXPECT_EQ(pad.CornersOnLayer(kTopLayer, 0), layerCorners);
}

}  // namespace
