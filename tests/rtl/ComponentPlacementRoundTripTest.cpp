// A component carries its primitives: written with a new location, rotation or side, its pads,
// arcs, tracks and texts read back at location + R(rotation) · M(side) · relative, their
// angles turned and mirrored with them and their top-side layers swapped on the bottom side.
#include <string>

#include "rtl/PcbComponent.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/PcbText.h"
#include "rtl/ServerRoundTripSupport.h"

namespace {

struct TPlaced {
  TPcbPoint Position;
  double Angle;  // the pad's rotation, the arc's start
};

class ComponentPlacement : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    Component = AddNew(Board, kPcbObjectComponent);
    Pad1 = MakePad({1000, 0}, 0);
    Pad2 = MakePad({0, 500}, 90);
    TPcbArc arc(AddNew(Component, kPcbObjectArc));
    arc.Update(kPcbMessageRead);
    arc.SetX(2000);
    arc.SetLayer(kTopOverlay);
    arc.SetRadius(300);
    arc.SetStartAngle(0);
    arc.SetEndAngle(90);
    ASSERT_EQ(arc.Update(kPcbMessageWrite), kPcbOk);
    Arc = arc.GetHandle();
    TPcbTrack track(AddNew(Component, kPcbObjectTrack));
    track.Update(kPcbMessageRead);
    track.SetLayer(kTopLayer);
    track.SetX2(1000);
    track.SetY2(1000);
    ASSERT_EQ(track.Update(kPcbMessageWrite), kPcbOk);
    Track = track.GetHandle();
  }

  PcbHandle MakePad(TPcbPoint at, double rotation) {
    TPcbPad pad(AddNew(Component, kPcbObjectPad));
    pad.Update(kPcbMessageRead);
    pad.SetX(at.X);
    pad.SetY(at.Y);
    pad.SetRotation(rotation);
    pad.SetTopSize(600, 400);
    pad.SetTopShape(kPadShapeRectangular);
    pad.SetBottomSize(300, 300);
    pad.SetBottomShape(kPadShapeRound);
    EXPECT_EQ(pad.Update(kPcbMessageWrite), kPcbOk);
    return pad.GetHandle();
  }

  // As the component import does: side and rotation, then the location, each written.
  void Place(int32_t x, int32_t y, double rotation, PcbLayerNumber side) {
    TPcbComponent component(Component);
    ASSERT_EQ(component.Update(kPcbMessageRead), kPcbOk);
    component.SetLayer(side);
    component.SetRotation(rotation);
    ASSERT_EQ(component.Update(kPcbMessageSecondWrite), kPcbOk);
    component.SetX(x);
    component.SetY(y);
    ASSERT_EQ(component.Update(kPcbMessageSecondWrite), kPcbOk);
  }

  static TPlaced PadAt(PcbHandle handle) {
    TPcbPad pad(handle);
    pad.Update(kPcbMessageRead);
    return {{pad.GetX(), pad.GetY()}, pad.GetRotation()};
  }

  PcbHandle Component = 0;
  PcbHandle Pad1 = 0;
  PcbHandle Pad2 = 0;
  PcbHandle Arc = 0;
  PcbHandle Track = 0;
};

TEST_F(ComponentPlacement, ItsPrimitivesFollowLocationRotationAndSide) {
  struct TStep {
    int32_t X;
    int32_t Y;
    double Rotation;
    PcbLayerNumber Side;
    TPlaced Pad1;
    TPlaced Pad2;
    TPlaced Arc;  // centre and start angle
    double ArcEnd;
    TPcbPoint TrackEnd;
    PcbLayerNumber Copper;   // the track's layer
    PcbLayerNumber Overlay;  // the arc's and the designator's layer
    int32_t Pad1TopX;        // the pad's top size (top and bottom swap on the bottom side)
  };
  const TStep steps[] = {
      {0, 0, 0, kTopLayer, {{1000, 0}, 0}, {{0, 500}, 90}, {{2000, 0}, 0}, 90, {1000, 1000},
       kTopLayer, kTopOverlay, 600},
      {5000, 7000, 90, kTopLayer, {{5000, 8000}, 90}, {{4500, 7000}, 180}, {{5000, 9000}, 90},
       180, {4000, 8000}, kTopLayer, kTopOverlay, 600},
      {5000, 7000, 90, kBottomLayer, {{5000, 6000}, 90}, {{4500, 7000}, 0}, {{5000, 5000}, 180},
       270, {4000, 6000}, kBottomLayer, kBottomOverlay, 300},
      {0, 0, 0, kBottomLayer, {{-1000, 0}, 0}, {{0, 500}, 270}, {{-2000, 0}, 90}, 180,
       {-1000, 1000}, kBottomLayer, kBottomOverlay, 300},
      {0, 0, 0, kTopLayer, {{1000, 0}, 0}, {{0, 500}, 90}, {{2000, 0}, 0}, 90, {1000, 1000},
       kTopLayer, kTopOverlay, 600},
      {1000, 0, 30, kTopLayer, {{1866, 500}, 30}, {{750, 433}, 120}, {{2732, 1000}, 30}, 120,
       {1366, 1366}, kTopLayer, kTopOverlay, 600},
  };
  for (const TStep& step : steps) {
    SCOPED_TRACE(std::to_string(step.X) + ", " + std::to_string(step.Y) + " turned " +
                 std::to_string(step.Rotation) + (step.Side == kBottomLayer ? " bottom" : " top"));
    Place(step.X, step.Y, step.Rotation, step.Side);
    for (const auto& [handle, expected] :
         {std::pair{Pad1, step.Pad1}, std::pair{Pad2, step.Pad2}}) {
      const TPlaced pad = PadAt(handle);
      EXPECT_EQ(pad.Position, expected.Position);
      EXPECT_NEAR(pad.Angle, expected.Angle, 1e-9);
    }
    TPcbPad pad(Pad1);
    pad.Update(kPcbMessageRead);
    EXPECT_EQ(pad.GetTopXSize(), step.Pad1TopX);
    EXPECT_EQ(pad.GetLayer(), kMultiLayer);
    TPcbArc arc(Arc);
    arc.Update(kPcbMessageRead);
    EXPECT_EQ((TPcbPoint{arc.GetX(), arc.GetY()}), step.Arc.Position);
    EXPECT_NEAR(arc.GetStartAngle(), step.Arc.Angle, 1e-9);
    EXPECT_NEAR(arc.GetEndAngle(), step.ArcEnd, 1e-9);
    EXPECT_EQ(arc.GetLayer(), step.Overlay);
    TPcbTrack track(Track);
    track.Update(kPcbMessageRead);
    EXPECT_EQ((TPcbPoint{track.GetX(), track.GetY()}), (TPcbPoint{step.X, step.Y}));
    EXPECT_EQ((TPcbPoint{track.GetX2(), track.GetY2()}), step.TrackEnd);
    EXPECT_EQ(track.GetLayer(), step.Copper);
    TPcbComponent component(Component);
    component.Update(kPcbMessageRead);
    TPcbText designator(component.GetDesignatorText());
    designator.Update(kPcbMessageRead);
    EXPECT_EQ(designator.GetLayer(), step.Overlay);
    EXPECT_EQ((TPcbPoint{designator.GetX(), designator.GetY()}), (TPcbPoint{step.X, step.Y}));
  }
}

// A primitive written while its component is turned keeps its new place relative to the
// component.
TEST_F(ComponentPlacement, APrimitiveMovedOnTheBoardStaysWhereItWasPutInTheComponent) {
  Place(5000, 7000, 90, kTopLayer);
  TPcbPad pad(Pad1);
  pad.Update(kPcbMessageRead);
  pad.SetX(5100);
  ASSERT_EQ(pad.Update(kPcbMessageWrite), kPcbOk);
  Place(0, 0, 0, kTopLayer);
  EXPECT_EQ(PadAt(Pad1).Position, (TPcbPoint{1000, -100}));
  // Added while the component is on the bottom side, turned: held relative to that placement.
  Place(0, 0, 90, kBottomLayer);
  const PcbHandle late = CreatePcbObject(kPcbObjectPad);
  TPcbPad latePad(late);
  latePad.Update(kPcbMessageRead);
  latePad.SetX(0);
  latePad.SetY(700);
  latePad.Update(kPcbMessageWrite);
  ASSERT_EQ(AddPcbObjectToContainer(Component, late), kPcbOk);
  Place(0, 0, 0, kTopLayer);
  EXPECT_EQ(PadAt(late).Position, (TPcbPoint{-700, 0}));
}

}  // namespace
