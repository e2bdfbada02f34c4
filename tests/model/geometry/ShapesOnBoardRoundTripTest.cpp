// Shapes of the structure written to a running PCB server: tracks, arcs, fills, regions,
// polygons, split planes and the board outline, read back through the host access wrappers.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// 1 mil is 10000 host units; the boundary below 1000 mils gets the 20,000,000 margin.
constexpr int32_t kMargin = 20000000;
int32_t Host(double mils) { return kMargin + static_cast<int32_t>(mils * 10000); }

const char* const kLayers =
    "(layer TOP (type signal)) (layer GND (type power) (use_net GND)) "
    "(layer PWR (type power) (use_net VCC)) (layer BOTTOM (type signal))";

class ShapesOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    FDesign.reset();
    FParser.reset();
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  // Reads (pcb d (unit mil) (structure layers boundary <structure>) (network <nets>)) and
  // writes it to the board.
  TSpecctraDesign& Import(const std::string& structure, const std::string& nets = "") {
    const std::string text = std::string("(pcb d (unit mil) (structure ") + kLayers +
                             " (boundary (path pcb 0 0 0 1000 0 1000 500 0 500 0 0)) " + structure +
                             ") (library) (network " + nets + "))";
    FParser = std::make_unique<TSpecctraParser>(std::make_unique<TInputFile>("d.dsn", text));
    RegisterKeywords(*FParser);
    FDesign = std::make_unique<TSpecctraDesign>(Board, FParser.get(), "d.dsn");
    EXPECT_TRUE(FDesign->LoadFromFile());
    FDesign->ExportToPcb();
    return *FDesign;
  }
  template <class Wrapper>
  std::vector<std::unique_ptr<Wrapper>> Objects(uint8_t kind, PcbLayerNumber layer) {
    std::vector<std::unique_ptr<Wrapper>> found;
    ForEachPcbObject(Board, kind, [&](PcbHandle handle) {
      auto object = std::make_unique<Wrapper>(handle);
      object->Update(kPcbMessageRead);
      if (layer == 0 || object->GetLayer() == layer) found.push_back(std::move(object));
    });
    return found;
  }
  std::string NetName(PcbHandle net) {
    TPcbNet wrapper(net);
    wrapper.Update(kPcbMessageRead);
    return wrapper.GetName();
  }
  const std::vector<std::string>& Lines() { return FDesign->ReportManager().Lines(); }

  std::unique_ptr<TSpecctraParser> FParser;
  std::unique_ptr<TSpecctraDesign> FDesign;
};

}  // namespace

TEST_F(ShapesOnBoard, APcbPathGivesTheBoardOutlineAndIsDrawnOnce) {
  Import("");
  PcbBoardRecord record{};
  QueryPcbBoardRecord(kPcbMessageRead, Board, record);
  ASSERT_NE(record.boardOutline, 0u);
  TPcbBoardOutline outline(record.boardOutline);
  outline.Update(kPcbMessageRead);
  const std::vector<TPcbPoint> expected{
      {Host(0), Host(0)}, {Host(1000), Host(0)}, {Host(1000), Host(500)}, {Host(0), Host(500)}};
  EXPECT_EQ(outline.GetOutline(), expected);
  EXPECT_EQ(Objects<TPcbTrack>(kPcbObjectTrack, kKeepOutLayer).size(), 4u);
  for (const std::string& line : Lines()) EXPECT_EQ(line.find("Board Shape Not Found"), std::string::npos);
}

TEST_F(ShapesOnBoard, KeepoutShapesBecomeKeepoutPrimitivesOnTheirLayers) {
  // Keepout polygons become regions through the host's server interface: see the end-to-end
  // import test.
  Import("(keepout k1 (rect TOP 100 100 200 150))"
         "(via_keepout (qarc BOTTOM 5 110 100 100 110 100 100)) (keepout (circle TOP 20 500 250))"
         "(keepout (polygon TOP 0))");
  const auto tracks = Objects<TPcbTrack>(kPcbObjectTrack, kTopLayer);
  ASSERT_EQ(tracks.size(), 4u);
  EXPECT_EQ(tracks[0]->GetX(), Host(100));
  EXPECT_EQ(tracks[0]->GetX2(), Host(200));
  EXPECT_EQ(tracks[1]->GetY2(), Host(150));
  for (const auto& track : tracks) {
    EXPECT_TRUE(track->GetKeepout());
    EXPECT_EQ(track->GetWidth(), 0);
  }
  EXPECT_TRUE(Objects<TPCBRegion>(kPcbObjectRegion, 0).empty()) << "the empty polygon";

  const auto arcs = Objects<TPcbArc>(kPcbObjectArc, 0);
  ASSERT_EQ(arcs.size(), 2u);
  EXPECT_EQ(arcs[0]->GetLayer(), kBottomLayer);
  EXPECT_EQ(arcs[0]->GetRadius(), 100000);
  EXPECT_EQ(arcs[0]->GetWidth(), 50000);
  EXPECT_DOUBLE_EQ(arcs[0]->GetStartAngle(), 0);
  EXPECT_DOUBLE_EQ(arcs[0]->GetEndAngle(), 90);
  EXPECT_EQ(arcs[1]->GetX(), Host(500));
  EXPECT_DOUBLE_EQ(arcs[1]->GetEndAngle(), 360);
  EXPECT_EQ(arcs[1]->GetRadius(), 100000);
  EXPECT_EQ(FDesign->ReportManager().ErrorCount(), 0);
}

// A quarter arc is a quarter in either direction: the host sweeps counter-clockwise, so a
// clockwise one is drawn from its end to its start.
TEST_F(ShapesOnBoard, QuarterArcsSweepAQuarterWhicheverWayTheyTurn) {
  struct TCase {
    const char* Points;
    double Start, End;
  };
  const TCase cases[] = {
      {"110 100 100 110", 0, 90},    // counter-clockwise
      {"100 110 110 100", 0, 90},    // clockwise
      {"90 100 100 110", 90, 180},   // clockwise through the upper left quarter
      {"100 90 110 100", 270, 0},    // counter-clockwise through 0
      {"110 100 100 90", 270, 0},    // clockwise through 0
  };
  std::string keepouts;
  for (const TCase& c : cases)
    keepouts += std::string("(via_keepout (qarc TOP 5 ") + c.Points + " 100 100))";
  Import(keepouts);
  const auto arcs = Objects<TPcbArc>(kPcbObjectArc, kTopLayer);
  ASSERT_EQ(arcs.size(), std::size(cases));
  for (size_t i = 0; i < arcs.size(); ++i) {
    SCOPED_TRACE(cases[i].Points);
    EXPECT_DOUBLE_EQ(arcs[i]->GetStartAngle(), cases[i].Start);
    EXPECT_DOUBLE_EQ(arcs[i]->GetEndAngle(), cases[i].End);
  }
}

TEST_F(ShapesOnBoard, PlanesBecomeSplitPlanesWithTheirNetAndPowerLayersAreFilled) {
  Import("(plane VCC (polygon PWR 0 10 10 990 10 990 490 10 490))",
         "(net GND (pins)) (net VCC (pins))");
  const auto planes = Objects<TPcbSplitPlane>(kPcbObjectSplitPlane, 0);
  ASSERT_EQ(planes.size(), 3u) << "the plane shape, then GND's and PWR's fills";
  EXPECT_EQ(planes[0]->GetLayer(), kInternalPlane1 + 1);
  EXPECT_EQ(NetName(planes[0]->GetNet()), "VCC");
  EXPECT_EQ(planes[0]->GetOutline().size(), 4u);
  EXPECT_EQ(planes[1]->GetLayer(), kInternalPlane1);
  EXPECT_EQ(planes[1]->GetNet(), 0u) << "GND has no host net while the structure is written";
  EXPECT_EQ(planes[2]->GetNet(), planes[0]->GetNet());
  EXPECT_EQ(planes[2]->GetOutline().front(), (TPcbPoint{Host(0), Host(0)}));
  ASSERT_EQ(TranslationState().CreatedPolygons.size(), 1u);
  EXPECT_EQ(TranslationState().CreatedPolygons[0], planes[0]->GetHandle());
  const auto outlineTracks = Objects<TPcbTrack>(kPcbObjectTrack, kInternalPlane1 + 1);
  EXPECT_EQ(outlineTracks.size(), 4u);
  EXPECT_EQ(outlineTracks[0]->GetNet(), planes[0]->GetNet());
}

TEST_F(ShapesOnBoard, OutlinesBeyondTheHostLimitAreRefusedWhole) {
  auto polygon = [](int vertices) {
    std::string text = "(plane VCC (polygon PWR 0";
    for (int i = 0; i < vertices; ++i)
      text += " " + std::to_string(i % 2 == 0 ? i / 10.0 : 400.0 - i / 10.0) + " " +
              std::to_string(i / 20.0);
    return text + "))";
  };
  Import(polygon(5000) + polygon(5001), "(net VCC (pins))");
  const auto planes = Objects<TPcbSplitPlane>(kPcbObjectSplitPlane, kInternalPlane1 + 1);
  ASSERT_EQ(planes.size(), 2u) << "5000 vertices and the closing one fit; the fill follows";
  EXPECT_EQ(planes[0]->GetOutline().size(), 5000u);
  EXPECT_EQ(FDesign->ReportManager().ErrorCount(), 1);
  EXPECT_NE(std::find(Lines().begin(), Lines().end(),
                      "ERROR: Filled Polygon Shape on layer PWR has 5002 vertices; a host outline "
                      "holds at most 5000. The shape is not created."),
            Lines().end());
}

TEST_F(ShapesOnBoard, ShapesOnUnknownLayersMakeNothing) {
  Import("(plane VCC (rect NOPE 0 0 10 10)) (keepout (rect power 0 0 5 5))", "(net VCC (pins))");
  EXPECT_TRUE(Objects<TPcbFill>(kPcbObjectFill, 0).empty());
  EXPECT_NE(std::find(Lines().begin(), Lines().end(),
                      "ERROR: Rectangular Shape is on the unknown layer <NOPE>."),
            Lines().end());
  EXPECT_EQ(Objects<TPcbTrack>(kPcbObjectTrack, kKeepOutLayer).size(), 8u)
      << "a keepout on a layer the stack lacks goes to the keep-out layer";
}
