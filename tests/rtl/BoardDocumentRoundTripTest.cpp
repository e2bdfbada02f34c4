// A board saved as a document and loaded again reads the same, object by object and field by
// field, through the plug-in's wrappers.
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "rtl/ObjectFactory.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbClass.h"
#include "rtl/PcbComponent.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbEmbedded.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbPrimitives.h"
#include "rtl/PcbRules.h"
#include "rtl/PcbVia.h"
#include "rtl/RuleConstraints.h"
#include "rtl/ServerRoundTripSupport.h"

namespace {

class BoardDocumentRoundTrip : public TServerRoundTrip {
protected:
  // Nets, tracks, vias, a turned component on the bottom side with pads, rules, a class, an
  // embedded object, a polygon and the board outline.
  void BuildBoard() {
    TPcbNet gnd(AddNew(Board, kPcbObjectNet));
    gnd.SetName("GND\xB0");
    gnd.Update(kPcbMessageWrite);
    for (int i = 0; i < 3; ++i) {
      TPcbTrack track(AddNew(Board, kPcbObjectTrack));
      track.SetX(i * 1000);
      track.SetX2(i * 1000 + 500);
      track.SetWidth(100 + i);
      track.SetLayer(i == 1 ? kBottomLayer : kTopLayer);
      track.SetNet(gnd.GetHandle());
      track.SetRoutedState(1);
      track.SetTestPointTop(i == 2);
      track.Update(kPcbMessageWrite);
    }
    TPcbVia via(AddNew(Board, kPcbObjectVia));
    via.SetDiameter(500);
    via.SetHoleSize(250);
    via.SetStartLayer(kTopLayer);
    via.SetEndLayer(kBottomLayer);
    via.SetNet(gnd.GetHandle());
    via.Update(kPcbMessageWrite);

    const PcbHandle component = CreatePcbObject(kPcbObjectComponent);
    for (int i = 0; i < 2; ++i) {
      TPcbPad pad(AddNew(component, kPcbObjectPad));
      pad.SetX(i * 2540);
      pad.SetName(std::to_string(i + 1));
      pad.SetTopSize(600, 400);
      pad.SetTopShape(kPadShapeRectangular);
      pad.SetStackMode(i == 0 ? kPadStackSimple : kPadStackFull);
      pad.SetSizeOnLayer(kTopLayer, 700, 700);
      pad.SetShapeOnLayer(kTopLayer, kPadShapeRoundedRectangle);
      pad.SetCornerRadiusPercentOnLayer(kTopLayer, 30);
      pad.SetNet(gnd.GetHandle());
      pad.Update(kPcbMessageWrite);
    }
    TPcbComponent placed(component);
    placed.Update(kPcbMessageRead);
    placed.SetFootprint("R0805");
    placed.SetLayer(kBottomLayer);
    placed.SetRotation(30);
    placed.SetX(100000);
    placed.Update(kPcbMessageSecondWrite);
    AddPcbObjectToContainer(Board, component);

    TVelorKyxRule width(CreatePcbRuleObject(kRuleWidth));
    width.SetName("Width GND");
    width.SetScope1("InNet('GND')");
    width.Update(kPcbMessageWrite);
    PcbMaxMinWidthConstraintRecord widths{120000, 80000, 100000};
    QueryRuleConstraint(kPcbMessageWrite, width.GetHandle(), widths);
    AddPcbObjectToContainer(Board, width.GetHandle());

    TPCBObjectClass power(AddNew(Board, kPcbObjectClass));
    power.SetName("Power");
    power.AddMember("GND\xB0");
    power.Update(kPcbMessageWrite);
    TPcbEmbedded embedded(AddNew(Board, kPcbObjectEmbedded));
    embedded.SetName("SpecctraIF");
    embedded.SetData(std::string(4095, '\xE4'));
    embedded.Update(kPcbMessageWrite);
    TPcbPolygon polygon(AddNew(Board, kPcbObjectPolygon));
    polygon.SetOutline(std::vector<TPcbPoint>{{0, 0}, {10, 0}, {10, 10}});
    polygon.SetNet(gnd.GetHandle());
    polygon.Update(kPcbMessageWrite);
    CreatePcbBoardOutline(Board);
    TPcbBoard board(Board);
    board.Update(kPcbMessageRead);
    TPcbBoardOutline outline(board.GetBoardOutline());
    outline.SetOutline(std::vector<TPcbPoint>{{0, 0}, {2000000, 0}, {2000000, 1000000}});
    outline.Update(kPcbMessageWrite);
    board.SetOrigin(5, 6);
    board.LayerObject(kTopLayer)->SetName("Component side");
    board.Update(kPcbMessageWrite);
  }

  // Everything the wrappers read of one object; handles of nets as their names.
  static std::string Signature(PcbHandle handle) {
    std::ostringstream out;
    std::unique_ptr<TPCBObject> o = CreatePcbObjectFromHandle(handle);
    out << int(o->GetObjectKind()) << ' ' << o->GetX() << ' ' << o->GetY() << ' ' << o->GetX2()
        << ' ' << o->GetY2() << ' ' << o->GetFlags() << ' ' << o->GetAux16() << ' '
        << int(o->GetLayer()) << ' ' << int(o->GetRoutedState()) << ' ' << o->GetAux32() << ' '
        << int(o->GetBitField2()) << ' ' << o->GetBitField3() << " [" << o->GetName() << "] ["
        << o->GetText() << "] " << o->GetRotation() << ' ' << o->GetWidth() << ' '
        << o->GetXSize() << ' ' << o->GetYSize() << ' ' << int(o->GetShape()) << ' '
        << o->GetHoleSize();
    if (o->GetNet() != 0) out << " net " << CreatePcbObjectFromHandle(o->GetNet())->GetName();
    for (PcbLayerNumber layer = 0; layer < kLayerCount; ++layer)
      out << ' ' << o->XSizeOnLayer(layer) << '/' << int(o->ShapeOnLayer(layer));
    if (auto* pad = dynamic_cast<TPcbPad*>(o.get()))
      out << " mode " << int(pad->GetStackMode()) << ' ' << int(pad->GetTopCornerRadiusPercent());
    if (auto* polygon = dynamic_cast<TPcbPolygon*>(o.get()))
      for (const TPcbPoint& p : polygon->GetOutline()) out << " (" << p.X << ',' << p.Y << ')';
    if (auto* cls = dynamic_cast<TPCBObjectClass*>(o.get()))
      for (const std::string& member : cls->GetMembers()) out << " member " << member;
    if (auto* embedded = dynamic_cast<TPcbEmbedded*>(o.get())) out << ' ' << embedded->GetData();
    if (o->GetObjectKind() == kPcbObjectRule) {
      TVelorKyxRule rule(handle);
      rule.Update(kPcbMessageRead);
      PcbMaxMinWidthConstraintRecord widths{};
      QueryRuleConstraint(kPcbMessageRead, handle, widths);
      out << ' ' << int(rule.GetRuleKind()) << ' ' << rule.GetName() << ' ' << rule.GetScope1()
          << ' ' << rule.GetScope2() << ' ' << widths.maximum << ' ' << widths.preferred;
    }
    return out.str();
  }

  static std::vector<std::string> SignaturesOf(PcbHandle board) {
    std::vector<std::string> signatures;
    for (uint8_t kind = 1; kind <= kPcbObjectSplitPlane; ++kind)
      ForEachPcbObject(board, kind, [&](PcbHandle h) { signatures.push_back(Signature(h)); });
    return signatures;
  }
};

TEST_F(BoardDocumentRoundTrip, ASavedBoardLoadsWithEveryObjectAndFieldAsItWas) {
  BuildBoard();
  ASSERT_TRUE(Save("board.pcbdoc"));
  std::filesystem::copy_file(Folder.Path("board.pcbdoc"), Folder.Path("copy.pcbdoc"));
  const PcbHandle copy = Load("copy.pcbdoc");
  ASSERT_NE(copy, 0u);
  const std::vector<std::string> saved = SignaturesOf(Board);
  EXPECT_EQ(saved.size(), 14u);
  EXPECT_EQ(SignaturesOf(copy), saved);

  TPcbBoard original(Board);
  TPcbBoard loaded(copy);
  original.Update(kPcbMessageRead);
  loaded.Update(kPcbMessageRead);
  EXPECT_EQ(loaded.GetOriginX(), 5);
  EXPECT_EQ(loaded.LayerObject(kTopLayer)->GetName(), "Component side");
  EXPECT_NE(loaded.GetBoardOutline(), 0u);
  EXPECT_EQ(Signature(loaded.GetBoardOutline()), Signature(original.GetBoardOutline()));
}

}  // namespace
