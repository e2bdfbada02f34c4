// Grids and test points against a running PCB server: the board's grid settings written by a
// design import, and the test points section of a routes file read from the board's pads and
// vias.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbPad.h"
#include "rtl/PcbVia.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

class GridsOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  PcbBoardGridsRecord Grids() const {
    PcbBoardGridsRecord record{};
    QueryPcbBoardGrids(kPcbMessageRead, Board, record);
    return record;
  }
  // Imports a design with the structure block's statements onto the board.
  void Import(const std::string& unit, const std::string& structure) {
    TSpecctraParser parser(std::make_unique<TInputFile>(
        "grids.dsn", "(pcb d (unit " + unit + ") (structure " + structure + "))"));
    RegisterKeywords(parser);
    TSpecctraDesign design(Board, &parser, "grids.dsn");
    ASSERT_TRUE(design.LoadFromFile());
    ASSERT_TRUE(design.ExportToPcb());
  }
  PcbHandle AddNet(const std::string& name) {
    TPcbNet net(AddNew(Board, kPcbObjectNet));
    net.SetName(name);
    net.Update(kPcbMessageWrite);
    return net.GetHandle();
  }
};

}  // namespace

TEST_F(GridsOnBoard, DesignGridsReplaceTheBoardsGridsTheyName) {
  const PcbBoardGridsRecord before = Grids();
  Import("mil",
         "(grid via 5) (grid wire 7 (direction y)) (grid snap 2 (direction x))"
         " (grid snap 3 (direction y)) (grid place 25 (image_type smd))");
  const PcbBoardGridsRecord after = Grids();
  EXPECT_EQ(after.viaGrid, 50000) << "a grid for both directions stands for x";
  EXPECT_EQ(after.wireGrid, before.wireGrid) << "a wire grid for y alone sets nothing";
  EXPECT_EQ(after.snapGridX, 20000);
  EXPECT_EQ(after.snapGridY, 30000);
  EXPECT_EQ(after.placeGridX, 250000);
  EXPECT_EQ(after.placeGridY, 250000);
  EXPECT_EQ(after.unitMils, 1);
  EXPECT_EQ(after.reserved1, before.reserved1) << "values not set are written back as read";
}

TEST_F(GridsOnBoard, TheUnitFlagFollowsTheDesignsUnit) {
  const struct {
    const char* Unit;
    double Flag;
    double ViaGrid;
  } cases[] = {{"mm", 0, 10000 / 0.0254}, {"inch", 1, 10000000}, {"mil", 1, 10000}, {"um", 0, 10000 / 25.4}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Unit);
    Import(c.Unit, "(grid via 1)");
    EXPECT_EQ(Grids().unitMils, c.Flag);
    EXPECT_NEAR(Grids().viaGrid, c.ViaGrid, 0.5);
    ResetTranslationState();
  }
}

TEST_F(GridsOnBoard, RoutesFilesListTheBoardsTestPoints) {
  const PcbHandle gnd = AddNet("GND");
  const PcbHandle vcc = AddNet("VCC(1)");
  const struct {
    uint8_t Kind;
    int32_t X, Y;
    bool Top, Bottom;
    uint8_t Routed;
    PcbHandle Net;
  } objects[] = {
      {kPcbObjectVia, 0, 10000, false, true, 1, vcc},
      {kPcbObjectPad, 10000000, 20000000, true, false, 0, gnd},
      {kPcbObjectPad, 5000, 5000, false, false, 0, gnd},
      {kPcbObjectPad, 30000, 0, true, true, 1, 0},
  };
  for (const auto& o : objects) {
    std::unique_ptr<TPCBObject> object;
    if (o.Kind == kPcbObjectPad) object = std::make_unique<TPcbPad>(AddNew(Board, o.Kind));
    else object = std::make_unique<TPcbVia>(AddNew(Board, o.Kind));
    object->SetX(o.X);
    object->SetY(o.Y);
    object->SetTestPointTop(o.Top);
    object->SetTestPointBottom(o.Bottom);
    object->SetRoutedState(o.Routed);
    object->SetNet(o.Net);
    object->Update(kPcbMessageWrite);
  }
  TSpecctraWriter writer("board.rte");
  TSpecctraRoutes routes(Board, &writer, "board.rte");
  ASSERT_TRUE(routes.ImportFromPcb());
  ASSERT_TRUE(routes.ExportToFile());
  EXPECT_NE(writer.Buffer().find("  (test_points \r\n"
                                 "    (point 2540000 5080000 front (net GND)(type protect))\r\n"
                                 "    (point 7620 0 back (net '')(type route))\r\n"
                                 "    (point 0 2540 back (net 'VCC(1)')(type route))\r\n"
                                 "  )\r\n"),
            std::string::npos)
      << "pads before vias, unflagged pads left out:\n"
      << writer.Buffer();
}
