// Components built from images on a running PCB server: each placed part is a host component
// with its designator, footprint, side, rotation and position; its pads land at their board
// positions with the padstack's sizes, shapes, layers, hole and net; refusals and the messages
// of pins; the session's placement lines read back from the board.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "model/library/ComponentTestSupport.h"
#include "model/library/OutComponentPlacementDescriptor.h"
#include "model/library/PlacementDescriptor.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr int32_t kMil = 10000;

TPinPad Pad(int32_t widthMils, int32_t heightMils, uint8_t shape, PcbLayerNumber layer) {
  return {widthMils * kMil, heightMils * kMil, shape, layer};
}

// Through-hole: one round 50 mil pad on SIGNAL, centred.
TPinPadstack ThroughHole() {
  TPinPadstack padstack;
  padstack.Kind = TPinStackKind::eSimple;
  padstack.LargestSignal = padstack.Signal = Pad(50, 50, kPadShapeRound, kMultiLayer);
  padstack.Extent = {-25, -25, 25, 25};
  return padstack;
}

// Surface mount: a 60 x 40 mil rectangle on the first layer.
TPinPadstack SurfacePad() {
  TPinPadstack padstack;
  padstack.Kind = TPinStackKind::eSurface;
  padstack.FirstLayer = Pad(60, 40, kPadShapeRectangular, kTopLayer);
  padstack.Extent = {-30, -20, 30, 20};
  return padstack;
}

struct THostPad {
  std::string Name;
  TPcbPoint Position;
  double Rotation;
  PcbLayerNumber Layer;
  int32_t TopX, TopY, MiddleX, BottomX, BottomY;
  uint8_t TopShape, BottomShape;
  uint8_t StackMode;
  int32_t HoleSize;
  PcbHandle Net;
  uint8_t PinRole;
  int32_t Layer1X, Layer5X, Layer32X;
};

// Writes, as a session file would, for the board.
class TSessionOwner : public TSpecctraObject {
public:
  TSessionOwner(TSpecctraWriter* writer, PcbHandle board) : TSpecctraObject(nullptr), FBoard(board) {
    SetWriter(writer);
  }
  PcbHandle GetBoardHandle() const override { return FBoard; }

private:
  PcbHandle FBoard;
};

class ComponentsOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
    SetFreePrimitiveFlag(false);
  }
  void TearDown() override {
    Library.reset();
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  TComponentsFromText& Read(const std::string& sections) {
    Library = std::make_unique<TComponentsFromText>(sections, Board);
    return *Library;
  }
  bool Place() { return Library->design.Placement()->ExportToPcb(); }

  std::map<std::string, PcbHandle> ComponentsByDesignator() const {
    std::map<std::string, PcbHandle> components;
    ForEachPcbObject(Board, kPcbObjectComponent, [&](PcbHandle handle) {
      TPcbComponent component(handle);
      component.Update(kPcbMessageRead);
      components[component.GetName()] = handle;
    });
    return components;
  }
  PcbHandle HostNet(const std::string& name) const {
    PcbHandle found = 0;
    ForEachPcbObject(Board, kPcbObjectNet, [&](PcbHandle handle) {
      TPcbNet net(handle);
      net.Update(kPcbMessageRead);
      if (net.GetName() == name) found = handle;
    });
    return found;
  }
  static std::map<std::string, THostPad> PadsOf(PcbHandle component) {
    std::map<std::string, THostPad> pads;
    ForEachPcbObject(component, kPcbObjectPad, [&](PcbHandle handle) {
      TPcbPad pad(handle);
      pad.Update(kPcbMessageRead);
      pads[pad.GetName()] = {pad.GetName(), {pad.GetX(), pad.GetY()}, pad.GetRotation(),
                             pad.GetLayer(), pad.GetTopXSize(), pad.GetTopYSize(),
                             pad.GetMiddleXSize(), pad.GetBottomXSize(),
                             pad.GetBottomYSize(), pad.GetTopShape(), pad.GetBottomShape(),
                             pad.GetStackMode(), pad.GetHoleSize(), pad.GetNet(),
                             pad.GetPinRole(), pad.XSizeOnLayer(1), pad.XSizeOnLayer(5),
                             pad.XSizeOnLayer(32)};
    });
    return pads;
  }

  std::unique_ptr<TComponentsFromText> Library;
};

TEST_F(ComponentsOnBoard, PadsLandAtTheirBoardPlaceWithSizeShapeLayerAndNet) {
  TComponentsFromText& library = Read(
      "(network (net GND (pins U1-1 U2-1)) (net OUT (pins U1-2 U2-2) (source U1-2)))"
      " (placement (component DIP (place U1 1000 2000 front 0) (place U2 1000 2000 back 90)))");
  TTestImage& image = library.Image("(image DIP (pin TH 1 0 0) (pin SMD (rotate 90) 2 100 0))");
  image.Padstacks["TH"] = ThroughHole();
  image.Padstacks["SMD"] = SurfacePad();
  ASSERT_TRUE(Place());
  const PcbHandle gnd = HostNet("GND"), out = HostNet("OUT");
  ASSERT_NE(gnd, 0u);
  ASSERT_NE(out, 0u);
  const std::map<std::string, PcbHandle> components = ComponentsByDesignator();
  ASSERT_EQ(components.size(), 2u);

  struct TCase {
    const char* Component;
    const char* Pin;
    TPcbPoint Position;
    double Rotation;
    PcbLayerNumber Layer;
    int32_t TopX, TopY;
    uint8_t Shape;
    int32_t Hole;
    PcbHandle Net;
    uint8_t Role;
  };
  const TCase cases[] = {
      {"U1", "1", {10000000, 20000000}, 0, kMultiLayer, 500000, 500000, kPadShapeRound, 100000,
       gnd, 0},
      {"U1", "2", {11000000, 20000000}, 90, kTopLayer, 600000, 400000, kPadShapeRectangular, 0,
       out, 2},
      // On the back the component mirrors its pads about its own Y axis, then turns them.
      {"U2", "1", {10000000, 20000000}, 90, kMultiLayer, 500000, 500000, kPadShapeRound, 100000,
       gnd, 0},
      {"U2", "2", {10000000, 19000000}, 0, kBottomLayer, 600000, 400000, kPadShapeRectangular,
       0, out, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Component) + "-" + c.Pin);
    const auto pads = PadsOf(components.at(c.Component));
    ASSERT_EQ(pads.size(), 2u);
    const THostPad& pad = pads.at(c.Pin);
    EXPECT_EQ(pad.Position, c.Position);
    EXPECT_NEAR(std::fmod(pad.Rotation + 360, 360), c.Rotation, 1e-9);
    EXPECT_EQ(pad.Layer, c.Layer);
    // A surface pad turned to the back keeps its size as the bottom one.
    const bool flipped = c.Layer == kBottomLayer;
    EXPECT_EQ(flipped ? pad.BottomX : pad.TopX, c.TopX);
    EXPECT_EQ(flipped ? pad.BottomY : pad.TopY, c.TopY);
    EXPECT_EQ(flipped ? pad.BottomShape : pad.TopShape, c.Shape);
    EXPECT_EQ(pad.HoleSize, c.Hole);
    EXPECT_EQ(pad.Net, c.Net);
    EXPECT_EQ(pad.PinRole, c.Role);
  }
}

TEST_F(ComponentsOnBoard, StackKindsFillTheHostPadStack) {
  TPinPadstack topMidBottom;
  topMidBottom.Kind = TPinStackKind::eTopMidBottom;
  topMidBottom.Front = Pad(60, 60, kPadShapeRectangular, kTopLayer);
  topMidBottom.Back = Pad(40, 40, kPadShapeRound, kBottomLayer);
  topMidBottom.LargestInner = Pad(30, 30, kPadShapeRound, 5);
  TPinPadstack full;
  full.Kind = TPinStackKind::eFull;
  full.Signal = Pad(20, 20, kPadShapeRound, kMultiLayer);
  full.LayerPads = {{kTopLayer, Pad(70, 70, kPadShapeRectangular, kTopLayer)}};
  TPinPadstack bottomOnly;
  bottomOnly.Kind = TPinStackKind::eSurface;
  bottomOnly.LastLayer = Pad(10, 20, kPadShapeRound, kBottomLayer);
  TPinPadstack innerSimple;
  innerSimple.Kind = TPinStackKind::eSimple;
  innerSimple.LargestSignal = Pad(35, 35, kPadShapeOctagonal, 5);
  innerSimple.Centre = {5, -5};

  TComponentsFromText& library = Read(
      "(network (net N (pins U1-1)))"
      " (placement (component X (place U1 0 0 front 0)))");
  TTestImage& image = library.Image(
      "(image X (pin TMB 1 0 0) (pin FULL 2 0 0) (pin BOT 3 0 0) (pin INNER 4 100 100))");
  image.Padstacks = {{"TMB", topMidBottom}, {"FULL", full}, {"BOT", bottomOnly},
                     {"INNER", innerSimple}};
  ASSERT_TRUE(Place());
  const auto pads = PadsOf(ComponentsByDesignator().at("U1"));

  struct TCase {
    const char* Pin;
    uint8_t StackMode;
    PcbLayerNumber Layer;
    int32_t TopX, MiddleX, BottomX, Hole;
  };
  const TCase cases[] = {
      {"1", kPadStackTopMiddleBottom, kMultiLayer, 600000, 300000, 400000, 100000},
      {"2", kPadStackFull, kMultiLayer, 700000, 200000, 200000, 100000},
      {"3", kPadStackSimple, kBottomLayer, 100000, 0, 0, 0},
      {"4", kPadStackSimple, 5, 350000, 350000, 350000, 100000},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Pin);
    const THostPad& pad = pads.at(c.Pin);
    EXPECT_EQ(pad.StackMode, c.StackMode);
    EXPECT_EQ(pad.Layer, c.Layer);
    // A full stack is read by layer: SIGNAL's size everywhere, the first layer its own.
    const bool byLayer = c.StackMode == kPadStackFull;
    EXPECT_EQ(byLayer ? pad.Layer1X : pad.TopX, c.TopX);
    EXPECT_EQ(byLayer ? pad.Layer5X : pad.MiddleX, c.MiddleX);
    EXPECT_EQ(byLayer ? pad.Layer32X : pad.BottomX, c.BottomX);
    EXPECT_EQ(pad.HoleSize, c.Hole);
  }
  // The simple stack's pad sits on the centre of its largest signal pad.
  EXPECT_EQ(pads.at("4").Position, (TPcbPoint{1050000, 950000}));
  EXPECT_TRUE(library.HasLine("Middle layer pad for pin U1-1 will take largest available size "
                              "defined on inner signal layers."));
  EXPECT_TRUE(library.HasLine("Pin U1-2 has no net assigned."));
}

// An off-centre pad turns with its pin: a rectangle from x = 10 to 50 sits 30 out along the
// pin's turned X axis, and the part then mirrors and turns that place with itself.
TEST_F(ComponentsOnBoard, OffCentrePadsTurnWithTheirPin) {
  TPinPadstack offCentre;
  offCentre.Kind = TPinStackKind::eSimple;
  offCentre.LargestSignal = offCentre.Signal = Pad(40, 20, kPadShapeRectangular, kMultiLayer);
  offCentre.Extent = {10, -10, 50, 10};
  offCentre.Centre = {30, 0};
  TComponentsFromText& library = Read(
      "(network (net N (pins U1-1)))"
      " (placement (component X (place U1 0 0 front 0) (place U2 1000 2000 back 90)))");
  TTestImage& image = library.Image(
      "(image X (pin OFF 1 500 0) (pin OFF (rotate 90) 2 500 0) (pin OFF (rotate 180) 3 500 0)"
      " (pin OFF (rotate 270) 4 500 0) (pin OFF (rotate -90) 5 0 0))");
  image.Padstacks["OFF"] = offCentre;
  ASSERT_TRUE(Place());
  const std::map<std::string, PcbHandle> components = ComponentsByDesignator();
  ASSERT_EQ(components.size(), 2u);

  struct TCase {
    const char* Component;
    const char* Pin;
    TPcbPoint Position;
  };
  const TCase cases[] = {
      {"U1", "1", {5300000, 0}},
      {"U1", "2", {5000000, 300000}},
      {"U1", "3", {4700000, 0}},
      {"U1", "4", {5000000, -300000}},
      {"U1", "5", {0, -300000}},
      // (500, 30) on the part, mirrored to (-500, 30), turned 90 to (-30, -500), then moved.
      {"U2", "2", {9700000, 15000000}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(std::string(c.Component) + "-" + c.Pin);
    EXPECT_EQ(PadsOf(components.at(c.Component)).at(c.Pin).Position, c.Position);
  }
}

TEST_F(ComponentsOnBoard, ComponentsCarryDesignatorSideRotationPositionAndOutline) {
  TComponentsFromText& library = Read(
      "(network (net N (pins U1-1)))"
      " (placement (component \"DIP(8)\" (place U1 1000 2000 front 0) (place U2 1000 2000 back 90)"
      " (place U3)))");
  TTestImage& image = library.Image("(image \"DIP(8)\" (pin TH 1 0 0) (pin SMD 2 100 0))");
  image.Padstacks["TH"] = ThroughHole();
  image.Padstacks["SMD"] = SurfacePad();
  ASSERT_TRUE(Place());
  const auto components = ComponentsByDesignator();
  ASSERT_EQ(components.size(), 3u);
  struct TCase {
    const char* Designator;
    TPcbPoint Position;
    PcbLayerNumber Layer;
    double Rotation;
  };
  const TCase cases[] = {
      {"U1", {10000000, 20000000}, kTopLayer, 0},
      {"U2", {10000000, 20000000}, kBottomLayer, 90},
      // Unplaced: one inch from the origin in X and in Y.
      {"U3", {10000000, 10000000}, kTopLayer, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Designator);
    TPcbComponent component(components.at(c.Designator));
    component.Update(kPcbMessageRead);
    EXPECT_EQ(component.GetFootprint(), "DIP(8)");
    EXPECT_EQ((TPcbPoint{component.GetX(), component.GetY()}), c.Position);
    EXPECT_EQ(component.GetLayer(), c.Layer);
    EXPECT_DOUBLE_EQ(component.GetRotation(), c.Rotation);
  }
  // No outline: a rectangle around the pads, as four overlay tracks of the component.
  std::vector<TPcbPoint> corners;
  ForEachPcbObject(components.at("U1"), kPcbObjectTrack, [&](PcbHandle handle) {
    TPcbTrack track(handle);
    track.Update(kPcbMessageRead);
    EXPECT_EQ(track.GetLayer(), kTopOverlay);
    corners.push_back({track.GetX(), track.GetY()});
  });
  EXPECT_EQ(corners, (std::vector<TPcbPoint>{{9750000, 19750000},
                                             {11300000, 19750000},
                                             {11300000, 20250000},
                                             {9750000, 20250000}}));

  // The session writes them back by footprint and designator, back-side parts with the rotation the import gave them.
  TranslationState().ResolutionScale = 1.0 / kMil;  // a session in mils
  TSpecctraWriter writer("out.ses");
  TSessionOwner session(&writer, Board);
  TOutComponentPlacementDescriptor placement(&session);
  ASSERT_TRUE(placement.ImportFromPcb());
  ASSERT_TRUE(placement.ExportToFile());
  EXPECT_EQ(writer.Buffer(),
            "(component 'DIP(8)'\r\n"
            "  (place U1 1000 2000 front 0)\r\n"
            "  (place U2 1000 2000 back 90)\r\n"
            "  (place U3 1000 1000 front 0)\r\n"
            ")\r\n");
}

TEST_F(ComponentsOnBoard, RefusedPartsAreReportedAndTheRestPlaced) {
  struct TCase {
    const char* Name;
    std::string Places;
    std::vector<std::string> Placed;
    std::string Error;
  };
  const TCase cases[] = {
      {"missing footprint third of five",
       "(component TOP (place C1 0 0 front 0) (place C2 0 0 front 0))"
       " (component MISSING (place C3 0 0 front 0))"
       " (component TOP (place C4 0 0 front 0) (place C5 0 0 front 0))",
       {"C1", "C2", "C4", "C5"},
       "ERROR: Footprint MISSING not found. Cannot import component C3"},
      {"back side on a front footprint",
       "(component TOP (place C1 0 0 back 0) (place C2 0 0 front 0))",
       {"C2"},
       "ERROR: Footprint TOP doesn't allow placement on Back Side for component C1"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    Board = NewBoard(std::string(c.Name) + ".pcbdoc");
    TComponentsFromText& library = Read("(placement " + c.Places + ")");
    library.Image("(image TOP (side front) (outline (rect signal 0 0 10 10)))");
    EXPECT_FALSE(Place());
    std::vector<std::string> placed;
    for (const auto& [designator, handle] : ComponentsByDesignator()) placed.push_back(designator);
    EXPECT_EQ(placed, c.Placed);
    EXPECT_TRUE(library.HasLine(c.Error));
  }
}

TEST_F(ComponentsOnBoard, PinMessages) {
  TPinPadstack zero;
  zero.Kind = TPinStackKind::eSimple;
  zero.LargestSignal = Pad(0, 0, kPadShapeRound, kMultiLayer);
  TComponentsFromText& library = Read(
      "(network (net N (pins U1-1)))"
      " (placement (component X (place U1 0 0 front 0)))");
  TTestImage& image = library.Image(
      "(image X (pin ZERO 1 0 0) (pin NOPE 2 0 0) (pin ZERO 3 0 0) (keepout (rect signal 0 0 5 5)))");
  image.Padstacks["ZERO"] = zero;
  ASSERT_TRUE(Place());
  const PcbHandle component = ComponentsByDesignator().at("U1");
  const auto pads = PadsOf(component);
  // The missing padstack costs its own pin only; the keepout is still built.
  ASSERT_EQ(pads.size(), 2u);
  EXPECT_EQ(pads.count("3"), 1u);
  EXPECT_EQ(pads.at("1").HoleSize, 0);
  EXPECT_TRUE(library.HasLine("WARNING: WARNING: Zero sized pad imported: U1-1"));
  EXPECT_TRUE(library.HasLine("ERROR: Padstack NOPE not found for pin U1-2"));
  int keepoutTracks = 0;
  ForEachPcbObject(component, kPcbObjectTrack, [&](PcbHandle handle) {
    TPcbTrack track(handle);
    track.Update(kPcbMessageRead);
    keepoutTracks += track.GetKeepout() ? 1 : 0;
  });
  EXPECT_EQ(keepoutTracks, 4);
}

TEST_F(ComponentsOnBoard, WithoutNetworkEveryPinReportsIt) {
  TComponentsFromText& library = Read("(placement (component X (place U1 0 0 front 0)))");
  TTestImage& image = library.Image("(image X (pin TH 1 0 0))");
  image.Padstacks["TH"] = ThroughHole();
  ASSERT_TRUE(Place());
  EXPECT_TRUE(library.HasLine(
      "ERROR: No netlist information found. Cannot assign net to pin U1-1"));
  EXPECT_EQ(PadsOf(ComponentsByDesignator().at("U1")).at("1").Net, 0u);
}

}  // namespace
