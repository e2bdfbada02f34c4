// Every wrapper of the host access layer against the PCB server: what a wrapper writes, a
// fresh wrapper reads back; the board wrapper's records and layer stack; regions made through
// the server interface; refused handles; and every declared entry point exported.
#include <dlfcn.h>

#include <functional>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "host/PcbServer.h"
#include "rtl/ObjectFactory.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbCarriedObjects.h"
#include "rtl/PcbClass.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/PcbRules.h"
#include "rtl/PcbText.h"
#include "rtl/PcbVia.h"
#include "rtl/RuleConstraints.h"
#include "rtl/ServerRoundTripSupport.h"

namespace {

using TCheck = std::function<void(TPCBObject&)>;

struct TKindCase {
  const char* Name;
  std::function<PcbHandle()> Create;
  TCheck Set;
  TCheck Check;
  bool HasCommonFields = false;  // flags, aux16, layer, net, routed state, aux32
};

std::function<PcbHandle()> NewOf(uint8_t kind) {
  return [kind] { return CreatePcbObject(kind); };
}

template <class Wrapper>
Wrapper& As(TPCBObject& object) {
  return dynamic_cast<Wrapper&>(object);
}

std::vector<TPcbPoint> Square(int32_t size) {
  return {{0, 0}, {size, 0}, {size, size}, {0, size}};
}

class ServerWrappers : public TServerRoundTrip {};

TEST_F(ServerWrappers, WhatAWrapperWritesAFreshWrapperReads) {
  const PcbHandle net = AddNew(Board, kPcbObjectNet);
  const std::string highBytes = "\x80\xA0\xFF name";
  const TKindCase cases[] = {
      {"track", NewOf(kPcbObjectTrack),
       [](TPCBObject& o) {
         o.SetX2(-300);
         o.SetY2(400);
         o.SetWidth(55);
       },
       [](TPCBObject& o) {
         EXPECT_EQ(o.GetX2(), -300);
         EXPECT_EQ(o.GetY2(), 400);
         EXPECT_EQ(o.GetWidth(), 55);
       },
       true},
      {"arc", NewOf(kPcbObjectArc),
       [](TPCBObject& o) {
         As<TPcbArc>(o).SetRadius(700);
         As<TPcbArc>(o).SetStartAngle(12.5);
         As<TPcbArc>(o).SetEndAngle(370);
         o.SetWidth(9);
       },
       [](TPCBObject& o) {
         EXPECT_EQ(As<TPcbArc>(o).GetRadius(), 700);
         EXPECT_EQ(As<TPcbArc>(o).GetStartAngle(), 12.5);
         EXPECT_EQ(As<TPcbArc>(o).GetEndAngle(), 370);
         EXPECT_EQ(o.GetWidth(), 9);
       },
       true},
      {"fill", NewOf(kPcbObjectFill),
       [](TPCBObject& o) {
         o.SetX2(5);
         o.SetY2(6);
         o.SetRotation(33);
       },
       [](TPCBObject& o) {
         EXPECT_EQ(o.GetX2(), 5);
         EXPECT_EQ(o.GetY2(), 6);
         EXPECT_EQ(o.GetRotation(), 33);
       },
       true},
      {"via", NewOf(kPcbObjectVia),
       [](TPCBObject& o) {
         auto& via = As<TPcbVia>(o);
         via.SetDiameter(500);
         via.SetHoleSize(280);
         via.SetStartLayer(kTopLayer);
         via.SetEndLayer(5);
         via.SetFlagByte2(true);
       },
       [](TPCBObject& o) {
         auto& via = As<TPcbVia>(o);
         EXPECT_EQ(via.GetDiameter(), 500);
         EXPECT_EQ(via.GetHoleSize(), 280);
         EXPECT_EQ(via.GetEndLayer(), 5);
         EXPECT_FALSE(via.GetFlagByte1());
         EXPECT_TRUE(via.GetFlagByte2());
       },
       true},
      {"text", NewOf(kPcbObjectText),
       [&](TPCBObject& o) {
         o.SetText(highBytes);
         o.SetRotation(270);
       },
       [&](TPCBObject& o) {
         EXPECT_EQ(o.GetText(), highBytes);
         EXPECT_EQ(As<TPcbText>(o).GetDisplayString(), highBytes);
         EXPECT_EQ(As<TPcbText>(o).GetFontName(), "Arial");
         EXPECT_EQ(o.GetRotation(), 270);
       },
       true},
      {"net", NewOf(kPcbObjectNet), [&](TPCBObject& o) { o.SetName(highBytes); },
       [&](TPCBObject& o) { EXPECT_EQ(o.GetName(), highBytes); }},
      {"polygon", NewOf(kPcbObjectPolygon),
       [](TPCBObject& o) {
         auto& polygon = As<TPcbPolygon>(o);
         polygon.SetPourStyle(1);
         polygon.SetGrid(3000);
         polygon.SetWidth(1000);
         polygon.SetOption(4);
         EXPECT_TRUE(polygon.SetOutline(Square(100)));
       },
       [](TPCBObject& o) {
         auto& polygon = As<TPcbPolygon>(o);
         EXPECT_EQ(polygon.GetPourStyle(), 1);
         EXPECT_EQ(polygon.GetGrid(), 3000);
         EXPECT_EQ(polygon.GetWidth(), 1000);
         EXPECT_EQ(polygon.GetOption(), 4);
         EXPECT_EQ(polygon.GetOutline(), Square(100));
       }},
      {"split plane", NewOf(kPcbObjectSplitPlane),
       [](TPCBObject& o) { EXPECT_TRUE(As<TPcbSplitPlane>(o).SetOutline(Square(7))); },
       [](TPCBObject& o) { EXPECT_EQ(As<TPcbSplitPlane>(o).GetOutline(), Square(7)); }},
      {"class", NewOf(kPcbObjectClass),
       [&](TPCBObject& o) {
         auto& cls = As<TPCBObjectClass>(o);
         cls.SetClassKind(kPcbClassKindFromTo);
         cls.SetName("Power");
         cls.AddMember("VCC");
         cls.AddMember(highBytes);
       },
       [&](TPCBObject& o) {
         auto& cls = As<TPCBObjectClass>(o);
         EXPECT_EQ(cls.GetClassKind(), kPcbClassKindFromTo);
         EXPECT_EQ(cls.GetName(), "Power");
         EXPECT_EQ(cls.GetMembers(), (std::vector<std::string>{"VCC", highBytes}));
       }},
      {"embedded", NewOf(kPcbObjectEmbedded),
       [&](TPCBObject& o) {
         o.SetName("SpecctraIF");
         As<TPcbEmbedded>(o).SetData(highBytes + std::string(5000, 'd'));
       },
       [&](TPCBObject& o) {
         EXPECT_EQ(o.GetName(), "SpecctraIF");
         EXPECT_EQ(As<TPcbEmbedded>(o).GetData(),
                   (highBytes + std::string(5000, 'd')).substr(0, 4095));
       }},
      {"component", NewOf(kPcbObjectComponent),
       [](TPCBObject& o) {
         auto& component = As<TPcbComponent>(o);
         component.SetFootprint("DIP14");
         component.SetOption1(1);
         component.SetOption2(2);
         component.SetRotation(45);
         component.SetLayer(kBottomLayer);
         component.SetRoutedState(1);
       },
       [](TPCBObject& o) {
         auto& component = As<TPcbComponent>(o);
         EXPECT_EQ(component.GetFootprint(), "DIP14");
         EXPECT_EQ(component.GetOption1(), 1);
         EXPECT_EQ(component.GetOption2(), 2);
         EXPECT_EQ(component.GetRotation(), 45);
         EXPECT_EQ(component.GetLayer(), kBottomLayer);
         EXPECT_EQ(component.GetRoutedState(), 1);
         EXPECT_NE(component.GetDesignatorText(), 0u);
         EXPECT_NE(component.GetSecondText(), 0u);
       }},
      {"from-to", NewOf(kPcbObjectFromTo),
       [](TPCBObject& o) {
         o.SetX2(8);
         o.SetY2(9);
       },
       [](TPCBObject& o) {
         EXPECT_EQ(o.GetX2(), 8);
         EXPECT_EQ(o.GetY2(), 9);
       }},
      {"region", NewOf(kPcbObjectRegion), [](TPCBObject&) {}, [](TPCBObject&) {}, true},
      {"component body", NewOf(kPcbObjectComponentBody), [](TPCBObject&) {}, [](TPCBObject&) {},
       true},
      {"differential pair", NewOf(kPcbObjectDifferentialPair), [](TPCBObject&) {},
       [](TPCBObject&) {}, true},
      {"manual from-to", NewOf(kPcbObjectManualFromTo), [](TPCBObject&) {}, [](TPCBObject&) {}},
      {"dimension", NewOf(kPcbObjectDimension), [](TPCBObject&) {}, [](TPCBObject&) {}},
      {"coordinate", NewOf(kPcbObjectCoordinate), [](TPCBObject&) {}, [](TPCBObject&) {}},
      {"violation", NewOf(kPcbObjectViolation), [](TPCBObject&) {}, [](TPCBObject&) {}},
      {"embedded board", NewOf(kPcbObjectEmbeddedBoard), [](TPCBObject&) {}, [](TPCBObject&) {}},
  };
  for (const TKindCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const PcbHandle handle = c.Create();
    ASSERT_NE(handle, 0u);
    ASSERT_EQ(AddPcbObjectToContainer(Board, handle), kPcbOk);
    std::unique_ptr<TPCBObject> written = CreatePcbObjectFromHandle(handle);
    ASSERT_NE(written, nullptr);
    if (c.HasCommonFields) {
      written->SetX(-1234);
      written->SetY(5678);
      written->SetLayer(kMidLayer1 + 4);
      written->SetNet(net);
      written->SetKeepout(true);
      written->SetTestPointBottom(true);
      written->SetFlagBit0x4000(true);
      written->SetAux16(0xBEEF);
      written->SetAux32(0xDEADBEEF);
      written->SetRoutedState(1);
    }
    written->SetBitField3Bit0x04(true);
    c.Set(*written);
    EXPECT_EQ(written->Update(kPcbMessageWrite), kPcbOk);

    std::unique_ptr<TPCBObject> read = CreatePcbObjectFromHandle(handle);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->GetObjectKind(), written->GetObjectKind());
    EXPECT_TRUE(read->GetBitField3Bit0x04());
    if (c.HasCommonFields) {
      EXPECT_EQ(read->GetLayer(), kMidLayer1 + 4);
      EXPECT_EQ(read->GetNet(), net);
      EXPECT_TRUE(read->GetKeepout());
      EXPECT_FALSE(read->GetTestPointTop());
      EXPECT_TRUE(read->GetTestPointBottom());
      EXPECT_TRUE(read->GetFlagBit0x4000());
      EXPECT_EQ(read->GetAux16(), 0xBEEF);
      EXPECT_EQ(read->GetRoutedState(), 1);
      if (read->GetObjectKind() != kPcbObjectComponentBody &&
          read->GetObjectKind() != kPcbObjectDifferentialPair &&
          read->GetObjectKind() != kPcbObjectRegion) {
        EXPECT_EQ(read->GetX(), -1234);
        EXPECT_EQ(read->GetY(), 5678);
      }
      EXPECT_EQ(read->GetAux32(), 0xDEADBEEFu);
    }
    c.Check(*read);
  }
}

TEST_F(ServerWrappers, PadsKeepTheirStackAndAnswerPerLayer) {
  TPcbPad full(AddNew(Board, kPcbObjectPad));
  ASSERT_EQ(full.Update(kPcbMessageRead), kPcbOk);
  full.SetName("A12345678901234567890");
  full.SetTopSize(600, 400);
  full.SetMiddleSize(500, 300);
  full.SetBottomSize(200, 100);
  full.SetTopShape(kPadShapeRectangular);
  full.SetHoleSize(280);
  full.SetRotation(90);
  full.SetPinRole(2);
  full.SetOption(1);
  full.SetFlagByte1(true);
  full.SetStackMode(kPadStackFull);
  full.SetSizeOnLayer(5, 111, 222);
  full.SetShapeOnLayer(5, kPadShapeOctagonal);
  full.SetSizeOnLayer(7, 400, 200);
  full.SetShapeOnLayer(7, kPadShapeRoundedRectangle);
  full.SetCornerRadiusPercentOnLayer(7, 50);
  ASSERT_EQ(full.Update(kPcbMessageWrite), kPcbOk);
  TPcbPad read(full.GetHandle());
  ASSERT_EQ(read.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(read.GetName(), "A1234567890123456789") << "20 bytes";
  EXPECT_EQ(read.GetMiddleXSize(), 500);
  EXPECT_EQ(read.GetBottomYSize(), 100);
  EXPECT_EQ(read.GetTopShape(), kPadShapeRectangular);
  EXPECT_EQ(read.GetHoleSize(), 280);
  EXPECT_EQ(read.GetRotation(), 90);
  EXPECT_EQ(read.GetPinRole(), 2);
  EXPECT_EQ(read.GetOption(), 1);
  EXPECT_TRUE(read.GetFlagByte1());
  EXPECT_EQ(read.GetStackMode(), kPadStackFull);
  EXPECT_EQ(read.XSizeOnLayer(5), 111);
  EXPECT_EQ(read.YSizeOnLayer(5), 222);
  EXPECT_EQ(read.ShapeOnLayer(5), kPadShapeOctagonal);
  EXPECT_EQ(read.CornerRadiusPercentOnLayer(7), 50);
  EXPECT_EQ(read.CornerRadiusOnLayer(7), 50) << "half the smaller side, by its percentage";
  EXPECT_EQ(read.XSizeOnLayer(6), 0);

  // Rounded rectangles on top, middle and bottom: the three corner percentages come back from
  // layer 1, the middle layers and layer 32.
  TPcbPad rounded(AddNew(Board, kPcbObjectPad));
  ASSERT_EQ(rounded.Update(kPcbMessageRead), kPcbOk);
  rounded.SetLayer(kMultiLayer);
  rounded.SetTopShape(kPadShapeRoundedRectangle);
  rounded.SetMiddleShape(kPadShapeRoundedRectangle);
  rounded.SetBottomShape(kPadShapeRoundedRectangle);
  rounded.SetTopSize(600, 400);
  rounded.SetStackMode(kPadStackTopMiddleBottom);
  ASSERT_EQ(rounded.Update(kPcbMessageWrite), kPcbOk);
  ASSERT_EQ(rounded.Update(kPcbMessageRead), kPcbOk);
  rounded.SetCornerRadiusPercents(40, 25, 10);
  ASSERT_EQ(rounded.Update(kPcbMessageWrite), kPcbOk);
  TPcbPad roundedRead(rounded.GetHandle());
  ASSERT_EQ(roundedRead.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(roundedRead.GetTopCornerRadiusPercent(), 40);
  EXPECT_EQ(roundedRead.GetMiddleCornerRadiusPercent(), 25);
  EXPECT_EQ(roundedRead.GetBottomCornerRadiusPercent(), 10);
  EXPECT_EQ(roundedRead.CornerRadiusPercentOnLayer(kMidLayer30), 25);
  EXPECT_EQ(roundedRead.CornerRadiusOnLayer(kTopLayer), 80) << "40% of half of 400";

  // Outside the full stack a pad's copper follows its top, middle and bottom values.
  struct TCase {
    const char* What;
    PcbLayerNumber PadLayer;
    uint8_t Mode;
    std::vector<std::pair<PcbLayerNumber, int32_t>> XSizes;
  };
  const TCase cases[] = {
      {"simple through-hole", kMultiLayer, kPadStackSimple,
       {{1, 600}, {15, 600}, {32, 600}, {33, 0}, {kMultiLayer, 600}}},
      {"top-middle-bottom", kMultiLayer, kPadStackTopMiddleBottom,
       {{1, 600}, {15, 500}, {32, 200}, {39, 0}}},
      {"surface on top", kTopLayer, kPadStackSimple, {{1, 600}, {15, 0}, {32, 0}}},
      {"surface on bottom", kBottomLayer, kPadStackSimple, {{1, 0}, {32, 600}}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TPcbPad pad(AddNew(Board, kPcbObjectPad));
    pad.Update(kPcbMessageRead);
    pad.SetLayer(c.PadLayer);
    pad.SetTopSize(600, 400);
    pad.SetMiddleSize(500, 300);
    pad.SetBottomSize(200, 100);
    pad.SetStackMode(c.Mode);
    ASSERT_EQ(pad.Update(kPcbMessageWrite), kPcbOk);
    TPcbPad padRead(pad.GetHandle());
    padRead.Update(kPcbMessageRead);
    for (const auto& [layer, xSize] : c.XSizes)
      EXPECT_EQ(padRead.XSizeOnLayer(layer), xSize) << int(layer);
  }
}

TEST_F(ServerWrappers, RulesKeepTheirKindNameScopesAndValues) {
  TVelorKyxRule rule(CreatePcbRuleObject(kRuleSMDToCorner));
  ASSERT_EQ(AddPcbObjectToContainer(Board, rule.GetHandle()), kPcbOk);
  // Written without being read, as the clearance import does: the kind stays the host's.
  rule.SetName("SMDToCorner GND");
  rule.SetLayerRelation(kPcbRuleAdjacentLayers);
  rule.SetScope1("InNet('GND')");
  ASSERT_EQ(rule.Update(kPcbMessageWrite), kPcbOk);
  PcbSMDToCornerRecord distance{50000};
  ASSERT_EQ(QueryRuleConstraint(kPcbMessageWrite, rule.GetHandle(), distance), kPcbOk);
  TVelorKyxRule read(rule.GetHandle());
  ASSERT_EQ(read.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(read.GetRuleKind(), kRuleSMDToCorner);
  EXPECT_EQ(read.GetName(), "SMDToCorner GND");
  EXPECT_EQ(read.GetLayerRelation(), kPcbRuleAdjacentLayers);
  EXPECT_EQ(read.GetScope1(), "InNet('GND')");
  EXPECT_EQ(read.GetScope2(), "All");
  PcbSMDToCornerRecord readDistance{};
  ASSERT_EQ(QueryRuleConstraint(kPcbMessageRead, rule.GetHandle(), readDistance), kPcbOk);
  EXPECT_EQ(readDistance.distance, 50000);
  PcbClearanceConstraintRecord gap{};
  EXPECT_EQ(QueryRuleConstraint(kPcbMessageRead, rule.GetHandle(), gap), kPcbFail)
      << "another kind's values";

  TPcbRuleExt ext(CreatePcbRuleObject(kRuleClearance));
  ASSERT_EQ(ext.Update(kPcbMessageRead), kPcbOk);
  ext.SetSameNet(true);
  PcbSubScopeRecord subScope{};
  subScope.text = {3, "abc"};
  subScope.reserved8 = 8;
  ext.Scope2().SubScopes() = {subScope, subScope};
  ASSERT_EQ(ext.Update(kPcbMessageWrite), kPcbOk);
  TPcbRuleExt extRead(ext.GetHandle());
  ASSERT_EQ(extRead.Update(kPcbMessageRead), kPcbOk);
  EXPECT_TRUE(extRead.GetSameNet());
  EXPECT_TRUE(extRead.Scope1().SubScopes().empty());
  ASSERT_EQ(extRead.Scope2().SubScopes().size(), 2u);
  EXPECT_EQ(extRead.Scope2().SubScopes()[1].reserved8, 8);

  TVelorKyxRule layers(CreatePcbRuleObject(kRuleRoutingLayers));
  PcbRoutingLayersRuleRecord table{};
  ASSERT_EQ(QueryRuleConstraint(kPcbMessageRead, layers.GetHandle(), table), kPcbOk);
  table.layers[0] = 1;
  table.layers[31] = 2;
  ASSERT_EQ(QueryRuleConstraint(kPcbMessageWrite, layers.GetHandle(), table), kPcbOk);
  PcbRoutingLayersRuleRecord tableRead{};
  QueryRuleConstraint(kPcbMessageRead, layers.GetHandle(), tableRead);
  EXPECT_EQ(tableRead.layers[31], 2);
  PcbRoutingViaStyleRuleRecord via{1, 2, 3, 4, 5, 6};
  EXPECT_EQ(QueryRuleConstraint(kPcbMessageWrite, layers.GetHandle(), via), kPcbFail);
  EXPECT_EQ(CreatePcbRuleObject(kRuleKindCount), 0u) << "no such rule kind";
}

TEST_F(ServerWrappers, TheBoardWrapperWritesWhatItReads) {
  TPcbBoard board(Board);
  ASSERT_EQ(board.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(board.GetFileName(), Folder.Path("board.pcbdoc"));
  ASSERT_EQ(InsertPcbLayerInStack(Board, 2, kTopLayer), kPcbOk);
  ASSERT_EQ(InsertPcbLayerInStack(Board, 39, 2), kPcbOk);
  ASSERT_EQ(board.Update(kPcbMessageRead), kPcbOk);
  board.SetOrigin(-10000, 20000);
  board.SetCurrentLayer(kBottomLayer);
  board.Grids().viaGrid = 25000;
  board.SetSplitPlaneMode(0);
  board.LayerObject(2)->SetName("Inner");
  board.LayerObject(2)->SetCopperThickness(7000);
  board.LayerObject(2)->Dielectric().height = 50000;
  board.SetPlaneNetName(39, "GND");
  board.ExternalDielectrics().top.dielectricConstant = 3.9;
  TPcblayerPair pair;
  pair.SetStartLayer(kTopLayer);
  pair.SetEndLayer(2);
  board.LayerPairs() = {pair};
  ASSERT_EQ(board.Update(kPcbMessageWrite), kPcbOk);

  TPcbBoard read(Board);
  ASSERT_EQ(read.Update(kPcbMessageRead), kPcbOk);
  EXPECT_EQ(read.GetOriginX(), -10000);
  EXPECT_EQ(read.GetOriginY(), 20000);
  EXPECT_EQ(read.GetCurrentLayer(), kBottomLayer);
  EXPECT_EQ(read.Grids().viaGrid, 25000);
  EXPECT_EQ(read.GetSplitPlaneMode(), 0);
  EXPECT_EQ(read.LayerObject(2)->GetName(), "Inner");
  EXPECT_EQ(read.LayerObject(2)->GetCopperThickness(), 7000);
  EXPECT_EQ(read.LayerObject(2)->Dielectric().height, 50000);
  EXPECT_EQ(read.InternalPlane(39)->GetPlaneNetName(), "GND");
  EXPECT_EQ(read.ExternalDielectrics().top.dielectricConstant, 3.9);
  ASSERT_EQ(read.LayerPairs().size(), 1u);
  EXPECT_EQ(read.LayerPairs()[0].GetName(), "TopLayer - Inner");
  EXPECT_NE(read.FindLayerPair(2, kTopLayer), nullptr);
  std::vector<int> stack;
  for (const TLayerObject* layer = read.FirstStackLayer(); layer;
       layer = read.NextStackLayer(*layer))
    stack.push_back(layer->GetLayerNumber());
  EXPECT_EQ(stack, (std::vector<int>{kTopLayer, 2, 39, kBottomLayer}));
}

// Regions come from the server interface with their contour and go into a component or onto
// the board through the object layer; they move with the component.
TEST_F(ServerWrappers, ARegionMadeThroughTheServerInterfaceMovesWithItsComponent) {
  host::IPCB_ServerInterface* server = ServerInterface();
  ASSERT_NE(server, nullptr);
  const PcbHandle component = AddNew(Board, kPcbObjectComponent);
  host::IPCB_Object* object = nullptr;
  ASSERT_EQ(server->CreateObject(kPcbObjectRegion, 0, 0, &object), host::kOk);
  auto* region = static_cast<host::IPCB_Region*>(object);
  EXPECT_EQ(region->SetKind(0), host::kOk);
  EXPECT_EQ(region->SetKeepout(true), host::kOk);
  EXPECT_EQ(region->SetLayer(kKeepOutLayer), host::kOk);
  EXPECT_EQ(region->SetLayer(300u << 16 | 1), host::kFail) << "no such layer";
  host::IPCB_Contour* contour = nullptr;
  ASSERT_EQ(server->CreateContour(&contour), host::kOk);
  EXPECT_EQ(contour->SetCount(kPcbOutlineCapacity + 1), host::kFail);
  ASSERT_EQ(contour->SetCount(3), host::kOk);
  EXPECT_EQ(contour->SetPoint(0, 0, 0), host::kOk);
  EXPECT_EQ(contour->SetPoint(1, 1000, 0), host::kOk);
  EXPECT_EQ(contour->SetPoint(2, 0, 500), host::kOk);
  EXPECT_EQ(contour->SetPoint(3, 9, 9), host::kFail);
  EXPECT_EQ(region->SetOutlineContour(contour), host::kOk);
  EXPECT_EQ(server->DestroyContour(contour), host::kOk);
  EXPECT_EQ(region->SetOutlineContour(contour), host::kFail) << "destroyed contour";
  PcbHandle handle = 0;
  ASSERT_EQ(region->GetObjectHandle(&handle), host::kOk);
  ASSERT_EQ(AddPcbObjectToContainer(component, handle), kPcbOk);

  TPCBRegion read(handle);
  ASSERT_EQ(read.Update(kPcbMessageRead), kPcbOk);
  EXPECT_TRUE(read.GetKeepout());
  EXPECT_EQ(read.GetLayer(), kKeepOutLayer);
  TPcbComponent placed(component);
  placed.Update(kPcbMessageRead);
  placed.SetX(10000);
  placed.SetRotation(90);
  ASSERT_EQ(placed.Update(kPcbMessageSecondWrite), kPcbOk);
  const PcbRectangleRecord bounds = read.BoundingRect();
  EXPECT_EQ(bounds.left, 9500);
  EXPECT_EQ(bounds.bottom, 0);
  EXPECT_EQ(bounds.right, 10000);
  EXPECT_EQ(bounds.top, 1000);

  host::IPCB_Object* byHandle = nullptr;
  ASSERT_EQ(server->GetObjectByHandle(handle, &byHandle), host::kOk);
  ASSERT_EQ(DestroyPcbObject(component), kPcbOk);
  PcbHandle gone = 0;
  EXPECT_EQ(byHandle->GetObjectHandle(&gone), host::kFail) << "destroyed with its component";
  EXPECT_EQ(region->SetKeepout(false), host::kFail);
}

TEST_F(ServerWrappers, NilDestroyedAndOtherKindsHandlesFailAndNeverCrash) {
  const PcbHandle net = AddNew(Board, kPcbObjectNet);
  const PcbHandle destroyed = CreatePcbObject(kPcbObjectTrack);
  ASSERT_EQ(DestroyPcbObject(destroyed), kPcbOk);
  for (const PcbHandle handle : {PcbHandle{0}, destroyed, net, PcbHandle{0xFFFFFFFF}}) {
    SCOPED_TRACE(handle);
    for (uint8_t kind = 1; kind <= kPcbObjectBoardOutline; ++kind) {
      std::unique_ptr<TPCBObject> wrapper = CreatePcbObjectOfKind(kind, handle);
      if (!wrapper || (handle == net && kind == kPcbObjectNet)) continue;
      SCOPED_TRACE(int(kind));
      if (kind != kPcbObjectComponentBody && kind != kPcbObjectDifferentialPair) {
        EXPECT_EQ(wrapper->Update(kPcbMessageRead), kPcbFail);
        EXPECT_EQ(wrapper->Update(kPcbMessageWrite), kPcbFail);
      }
    }
  }
  EXPECT_EQ(CreatePcbObjectFromHandle(destroyed), nullptr);
  EXPECT_EQ(PcbObjectKindOf(destroyed), 0);
  EXPECT_EQ(AddPcbObjectToContainer(Board, destroyed), kPcbFail);
  EXPECT_EQ(DestroyPcbObject(destroyed), kPcbFail);
}

// The outline record holds 5001 segments; a count beyond is refused.
TEST_F(ServerWrappers, OutlinesBeyondTheirCapacityAreRefused) {
  TPcbPolygon polygon(AddNew(Board, kPcbObjectPolygon));
  std::vector<TPcbPoint> vertices;
  for (int32_t i = 0; i < 5000; ++i) vertices.push_back({i, i % 7});
  ASSERT_TRUE(polygon.SetOutline(vertices));
  ASSERT_EQ(polygon.Update(kPcbMessageWrite), kPcbOk);
  TPcbPolygon read(polygon.GetHandle());
  read.Update(kPcbMessageRead);
  EXPECT_EQ(read.GetOutline(), vertices);
  static PcbPolygonRecord record{};
  ASSERT_EQ(PcbApi_QueryPolygon(kPcbMessageRead, polygon.GetHandle(), &record), kPcbOk);
  EXPECT_EQ(record.outline.segments[5000].x, 0) << "the closing copy of the first point";
  record.outline.segmentCount = 5002;
  EXPECT_EQ(PcbApi_QueryPolygon(kPcbMessageWrite, polygon.GetHandle(), &record), kPcbFail);
  record.outline.segmentCount = -1;
  EXPECT_EQ(PcbApi_QueryPolygon(kPcbMessageWrite, polygon.GetHandle(), &record), kPcbFail);
}

// Every PcbApi_ entry point that the host interface declares is exported by the library.
TEST_F(ServerWrappers, EveryDeclaredEntryPointIsExported) {
  const std::string header =
      TTempFolder::Read(std::string(FIXTURES_DIR) + "/../../src/host/PcbApi.h");
  const std::regex declaration(R"(\n\w+ (PcbApi_\w+)\()");
  std::set<std::string> names;
  for (auto it = std::sregex_iterator(header.begin(), header.end(), declaration);
       it != std::sregex_iterator(); ++it)
    names.insert((*it)[1]);
  EXPECT_GT(names.size(), 100u);
  void* library = ::dlopen("libkelvane.so", RTLD_NOLOAD | RTLD_LAZY);
  ASSERT_NE(library, nullptr);
  for (const std::string& name : names) EXPECT_NE(::dlsym(library, name.c_str()), nullptr) << name;
  ::dlclose(library);
}

}  // namespace
