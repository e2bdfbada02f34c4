// The layer stack built on a real stand-in board: host layer mapping and stack order, layer
// names and plane nets, the routing-layers rule, and the stack read back for a routes file.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/base/BoardHelpers.h"
#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "rtl/PcbBoard.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

class LayerStackOnBoardTest : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  // Reads the structure's statements and builds the structure on the board.
  TSpecctraLayerStack& Import(const std::string& structure) {
    FDesign.reset();
    FParser = std::make_unique<TSpecctraParser>(
        std::make_unique<TInputFile>("layers.dsn", "(pcb d (structure " + structure + "))"));
    RegisterKeywords(*FParser);
    FDesign = std::make_unique<TSpecctraDesign>(Board, FParser.get(), "layers.dsn");
    FDesign->LoadFromFile();
    FDesign->DsnStructure()->ExportToPcb();
    return FDesign->DsnStructure()->LayerStack();
  }
  bool Reported(const std::string& line) const {
    const auto& lines = FDesign->ReportManager().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }

  std::vector<PcbLayerNumber> HostStack() const {
    TPcbBoard board(Board);
    board.Update(kPcbMessageRead);
    std::vector<PcbLayerNumber> stack;
    for (const TLayerObject* layer = board.FirstStackLayer(); layer && stack.size() < 100;
         layer = board.NextStackLayer(*layer))
      stack.push_back(layer->GetLayerNumber());
    return stack;
  }
  static std::vector<uint8_t> HostIds(const TSpecctraLayerStack& stack) {
    std::vector<uint8_t> ids;
    for (int32_t i = 0; i < stack.LayerCount(); ++i) ids.push_back(stack.LayerAt(i)->HostLayerId());
    return ids;
  }

  std::vector<PcbHandle> RoutingLayersRules() const {
    std::vector<PcbHandle> rules;
    ForEachPcbObject(Board, kPcbObjectRule, [&](PcbHandle handle) {
      TPcbRuleEx rule(handle);
      rule.Update(kPcbMessageRead);
      if (rule.GetRuleKind() == kRuleRoutingLayers) rules.push_back(handle);
    });
    return rules;
  }
  // The routing-layers table as host layer id -> direction code, for the non-zero entries.
  std::vector<std::pair<int, int>> RoutingTable() const {
    const std::vector<PcbHandle> rules = RoutingLayersRules();
    EXPECT_EQ(rules.size(), 1u);
    if (rules.empty()) return {};
    PcbRoutingLayersRuleRecord table{};
    QueryRuleConstraint(kPcbMessageRead, rules.front(), table);
    std::vector<std::pair<int, int>> used;
    for (int i = 0; i < kPcbRoutingLayerCount; ++i)
      if (table.layers[i] != 0) used.emplace_back(i + 1, table.layers[i]);
    return used;
  }

  static std::string Layers(const std::string& prefix, int count, const std::string& type) {
    std::string text;
    for (int i = 1; i <= count; ++i)
      text += "(layer " + prefix + std::to_string(i) + " (type " + type + ")) ";
    return text;
  }

private:
  std::unique_ptr<TSpecctraParser> FParser;
  std::unique_ptr<TSpecctraDesign> FDesign;
};

TEST_F(LayerStackOnBoardTest, PlanesAndSignalLayersInterleaveInDesignOrder) {
  const TSpecctraLayerStack& stack = Import(
      "(layer TOP (type signal)) (layer GND (type power) (use_net GND AGND))"
      " (layer IN1 (type signal)) (layer PWR (type power) (use_net VCC)) (layer BOTTOM)");
  EXPECT_EQ(HostIds(stack), (std::vector<uint8_t>{1, 39, 2, 40, 32}));
  EXPECT_EQ(HostStack(), (std::vector<PcbLayerNumber>{1, 39, 2, 40, 32}));

  TPcbBoard board(Board);
  board.Update(kPcbMessageRead);
  EXPECT_EQ(board.LayerObject(1)->GetName(), "TOP");
  EXPECT_EQ(board.LayerObject(39)->GetName(), "GND");
  EXPECT_EQ(board.LayerObject(2)->GetName(), "IN1");
  EXPECT_EQ(board.LayerObject(32)->GetName(), "BOTTOM");
  EXPECT_EQ(board.InternalPlane(39)->GetPlaneNetName(), "GND") << "the first plane net";
  EXPECT_EQ(board.InternalPlane(40)->GetPlaneNetName(), "VCC");
  EXPECT_EQ(board.LayerObject(3)->GetName(), "MidLayer2") << "unused layers keep their names";

  // Routable layers alternate from horizontal; planes have no entry.
  EXPECT_EQ(RoutingTable(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {32, 1}}));
  TPcbRuleEx rule(RoutingLayersRules().front());
  rule.Update(kPcbMessageRead);
  EXPECT_EQ(rule.GetName(), "Routing Layers From Layer Stack");
}

// A jumper layer is host copper in its place: as the first layer it is the top layer, in the
// middle a middle signal layer, and it takes part in the routing-layers rule.
TEST_F(LayerStackOnBoardTest, JumperLayersBecomeSignalCopperInTheirPlace) {
  const TSpecctraLayerStack& stack = Import(
      "(layer F.Cu (type jumper)) (layer GND (type power)) (layer J (type jumper))"
      " (layer B.Cu (type signal))");
  EXPECT_EQ(HostIds(stack), (std::vector<uint8_t>{1, 39, 2, 32}));
  EXPECT_EQ(HostStack(), (std::vector<PcbLayerNumber>{1, 39, 2, 32}));
  TPcbBoard board(Board);
  board.Update(kPcbMessageRead);
  EXPECT_EQ(board.LayerObject(1)->GetName(), "F.CU");
  EXPECT_EQ(RoutingTable(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {32, 1}}));
}

TEST_F(LayerStackOnBoardTest, MiddleLayersAreRefusedOnceEitherKindIsUsedUp) {
  const std::string noMoreLayers =
      "ERROR: Cannot add S31 to layer stack. No more layers available. Try decreasing number of "
      "layers in design";
  const std::string noPlanesForSignal =
      "ERROR: Cannot add S1 to layer stack. No internal planes available. Try decreasing number "
      "of internal planes in design!";
  const std::string noPlanes =
      "ERROR: Cannot add P17 to layer stack. No internal planes available. Try decreasing number "
      "of internal planes in design!";
  struct Case {
    const char* name;
    std::string structure;
    std::vector<uint8_t> ids;
    std::string error;
  };
  std::vector<uint8_t> thirtyThree{1};
  for (uint8_t id = 2; id <= 31; ++id) thirtyThree.push_back(id);
  thirtyThree.insert(thirtyThree.end(), {0, 32});
  std::vector<uint8_t> planesThenSignal{1};
  for (uint8_t id = 39; id <= 54; ++id) planesThenSignal.push_back(id);
  planesThenSignal.insert(planesThenSignal.end(), {0, 32});
  std::vector<uint8_t> seventeenPlanes(planesThenSignal.begin(), planesThenSignal.end() - 2);
  seventeenPlanes.insert(seventeenPlanes.end(), {0, 32});

  const Case cases[] = {
      {"one layer ends on the bottom", "(layer ONLY)", {32}, ""},
      {"two layers insert nothing", "(layer A (type power)) (layer B (type power))", {1, 32}, ""},
      {"33 signal layers", "(layer TOP) " + Layers("S", 31, "signal") + "(layer BOTTOM)",
       thirtyThree, noMoreLayers},
      {"16 planes, then a signal layer",
       "(layer TOP) " + Layers("P", 16, "power") + "(layer S1) (layer BOTTOM)", planesThenSignal,
       noPlanesForSignal},
      {"17 planes", "(layer TOP) " + Layers("P", 17, "power") + "(layer BOTTOM)",
       seventeenPlanes, noPlanes},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Board = NewBoard(std::string(c.name) + ".pcbdoc");
    ASSERT_NE(Board, 0u);
    const TSpecctraLayerStack& stack = Import(c.structure);
    EXPECT_EQ(HostIds(stack), c.ids);
    std::vector<PcbLayerNumber> placed;
    for (uint8_t id : c.ids)
      if (id != 0) placed.push_back(id);
    if (placed.front() != kTopLayer) placed.insert(placed.begin(), kTopLayer);
    EXPECT_EQ(HostStack(), placed) << "the host stack follows the design order";
    if (!c.error.empty()) {
      EXPECT_TRUE(Reported(c.error));
    }
  }
}

TEST_F(LayerStackOnBoardTest, GivenDirectionsWinAndTheOthersAlternate) {
  Import(
      "(layer TOP) (layer A (direction vertical)) (layer GND (type power)) (layer B)"
      " (layer C (type mixed) (direction positive_diagonal)) (layer D) (layer E (direction "
      "sideways)) (layer F (direction orthogonal)) (layer G (direction diagonal)) (layer H "
      "(direction negative_diagonal)) (layer BOTTOM)");
  EXPECT_EQ(RoutingTable(), (std::vector<std::pair<int, int>>{
                                {1, 1}, {2, 2}, {3, 1}, {4, 8}, {5, 2}, {7, 3}, {8, 3}, {9, 9},
                                {32, 1}}));
}

TEST_F(LayerStackOnBoardTest, TheBoardWideRuleIsReusedAndOtherEntriesCleared) {
  Import("(layer TOP) (layer IN1) (layer IN2) (layer BOTTOM)");
  EXPECT_EQ(RoutingTable(), (std::vector<std::pair<int, int>>{{1, 1}, {2, 2}, {3, 1}, {32, 2}}));
  Import("(layer TOP (direction vertical)) (layer BOTTOM)");
  EXPECT_EQ(RoutingTable(), (std::vector<std::pair<int, int>>{{1, 2}, {32, 1}}));
}

TEST_F(LayerStackOnBoardTest, AnEmptyStackIsReportedAndLeavesTheBoardAlone) {
  const TSpecctraLayerStack& stack = Import("(rule (width 1))");
  EXPECT_EQ(stack.LayerCount(), 0);
  EXPECT_TRUE(Reported("ERROR: No Layers Loaded"));
  EXPECT_EQ(HostStack(), (std::vector<PcbLayerNumber>{kTopLayer, kBottomLayer}));
  EXPECT_TRUE(RoutingLayersRules().empty());
}

TEST_F(LayerStackOnBoardTest, RoutesFilesRebuildTheStackFromTheBoard) {
  Import("(layer 'Top Side') (layer GND (type power)) (layer IN1) (layer BOTTOM)");
  TSpecctraWriter writer(Folder.Path("board.rte"));
  TSpecctraRoutes routes(Board, &writer, Folder.Path("board.rte"));
  routes.ImportFromPcb();
  TSpecctraLayerStack& stack = routes.StructureSection()->LayerStack();
  ASSERT_EQ(stack.LayerCount(), 4);
  EXPECT_EQ(stack.LayerAt(1)->Name(), "GND");
  EXPECT_EQ(stack.LayerAt(1)->Kind(), lkPower);
  EXPECT_EQ(stack.LayerAt(2)->HostLayerId(), kMidLayer1);
  EXPECT_EQ(stack.HostLayerName(kInternalPlane1), "GND");
  EXPECT_EQ(routes.FindLayer("in1"), stack.LayerAt(2));
  EXPECT_EQ(routes.FindLayer("back layer"), stack.LayerAt(3));

  routes.ExportToFile();
  // The stack serves lookups of the export; the routes file's structure lists no layers.
  EXPECT_NE(writer.Buffer().find("  (structure_out \r\n"
                                 "  )\r\n"),
            std::string::npos)
      << writer.Buffer();
}

}  // namespace
