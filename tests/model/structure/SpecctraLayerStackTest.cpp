// Layers and the layer stack as read from design text: layer statements, filing (jumper
// layers in the stack, the first also the design's jumper layer), name lookups and the structure statements around them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

struct TDesignFromText {
  explicit TDesignFromText(const std::string& structure)
      : parser(std::make_unique<TInputFile>("layers.dsn", "(pcb d (structure " + structure +
                                                              " (unit mm)))")),
        design(0, &parser, "layers.dsn") {
    RegisterKeywords(parser);
    loaded = design.LoadFromFile();
  }
  TSpecctraLayerStack& Stack() { return design.DsnStructure()->LayerStack(); }
  const std::vector<std::string>& Lines() { return design.ReportManager().Lines(); }
  bool Has(const std::string& line) {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }
  // The statement after the layers was still read in the structure.
  bool ReadOnToTheEnd() { return design.StructureSection()->UnitKind() == uMm; }

  TSpecctraParser parser;
  TSpecctraDesign design;
  bool loaded = false;
};

std::vector<std::string> Names(const TSpecctraLayerStack& stack) {
  std::vector<std::string> names;
  for (int32_t i = 0; i < stack.LayerCount(); ++i) names.push_back(stack.LayerAt(i)->Name());
  return names;
}

class SpecctraLayerStackTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

TEST_F(SpecctraLayerStackTest, LayerStatementsSetKindDirectionCostAndPlaneNets) {
  struct Case {
    const char* layer;
    uint8_t kind;
    uint8_t direction;
    int32_t cost;
    uint8_t costType;
    std::vector<std::string> nets;
  };
  const Case cases[] = {
      {"(layer L)", lkSignal, ldNone, 0, lcWay, {}},
      {"(layer L (type power) (use_net GND '+5 V'))", lkPower, ldNone, 0, lcWay, {"GND", "+5 V"}},
      {"(layer L (type mixed) (direction vertical))", lkMixed, ldVertical, 0, lcWay, {}},
      {"(layer L (direction orthogonal))", lkSignal, ldOrthogonal, 0, lcWay, {}},
      {"(layer L (direction positive_diagonal))", lkSignal, ldPositiveDiagonal, 0, lcWay, {}},
      {"(layer L (direction negative_diagonal))", lkSignal, ldNegativeDiagonal, 0, lcWay, {}},
      {"(layer L (direction diagonal))", lkSignal, ldDiagonal, 0, lcWay, {}},
      {"(layer L (direction sideways))", lkSignal, ldOther, 0, lcWay, {}},
      {"(layer L (cost 3))", lkSignal, ldNone, 3, lcWay, {}},
      {"(layer L (cost -7 (type length)))", lkSignal, ldNone, -7, lcLength, {}},
      {"(layer L (cost high (type way)))", lkSignal, ldNone, kLayerCostHigh, lcWay, {}},
      {"(layer L (cost forbidden))", lkSignal, ldNone, kLayerCostForbidden, lcWay, {}},
      {"(layer L (cost free))", lkSignal, ldNone, kLayerCostFree, lcWay, {}},
      {"(layer L (cost medium))", lkSignal, ldNone, kLayerCostMedium, lcWay, {}},
      {"(layer L (cost low))", lkSignal, ldNone, kLayerCostLow, lcWay, {}},
      {"(layer L (use_net) (property (index 1)) (type signal))", lkSignal, ldNone, 0, lcWay, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.layer);
    TDesignFromText design(c.layer);
    ASSERT_EQ(design.Stack().LayerCount(), 1);
    const TSpecctraLayer& layer = *design.Stack().FirstLayer();
    EXPECT_EQ(layer.Name(), "L");
    EXPECT_EQ(layer.Kind(), c.kind);
    EXPECT_EQ(layer.Direction(), c.direction);
    EXPECT_EQ(layer.Cost(), c.cost);
    EXPECT_EQ(layer.CostType(), c.costType);
    EXPECT_EQ(layer.PlaneNets(), c.nets);
    EXPECT_EQ(layer.HostLayerId(), 0) << "mapped only when the stack is built on a board";
    EXPECT_EQ(design.design.ReportManager().ErrorCount(), 0);
    EXPECT_TRUE(design.ReadOnToTheEnd());
  }
}

TEST_F(SpecctraLayerStackTest, PredicatesFollowTheKind) {
  TDesignFromText design(
      "(layer S (type signal)) (layer P (type power)) (layer M (type mixed)) (layer B)");
  ASSERT_EQ(design.Stack().LayerCount(), 4);
  struct Expected {
    bool routable, plane, first, last;
    const char* kindName;
  };
  const Expected expected[] = {{true, false, true, false, "SIGNAL"},
                               {false, true, false, false, "POWER"},
                               {true, true, false, false, "SIGNAL"},
                               {true, false, false, true, "SIGNAL"}};
  for (int32_t i = 0; i < 4; ++i) {
    const TSpecctraLayer& layer = *design.Stack().LayerAt(i);
    SCOPED_TRACE(layer.Name());
    EXPECT_EQ(layer.IsRoutable(), expected[i].routable);
    EXPECT_EQ(layer.CarriesPlane(), expected[i].plane);
    EXPECT_EQ(layer.IsFirstLayer(), expected[i].first);
    EXPECT_EQ(layer.IsLastLayer(), expected[i].last);
    EXPECT_EQ(layer.KindName(), expected[i].kindName);
  }
  EXPECT_EQ(design.Stack().LayerAt(4), nullptr);
  EXPECT_EQ(design.Stack().LayerAt(-1), nullptr);

  TSpecctraLayer orphan(nullptr);
  EXPECT_THROW(orphan.IsFirstLayer(), std::logic_error);
}

// Jumper layers stay copper in their place of the stack (some designs mark their front copper
// as the jumper layer); only the first is the design's jumper layer.
TEST_F(SpecctraLayerStackTest, JumperLayersStayInTheStackAndTheFirstIsTheJumperLayer) {
  TDesignFromText design(
      "(layer TOP) (layer J1 (type jumper)) (layer J2 (type jumper)) (layer BOTTOM)");
  EXPECT_EQ(Names(design.Stack()), (std::vector<std::string>{"TOP", "J1", "J2", "BOTTOM"}));
  ASSERT_NE(design.Stack().JumperLayer(), nullptr);
  EXPECT_EQ(design.Stack().JumperLayer(), design.Stack().LayerAt(1));
  EXPECT_EQ(design.Stack().FindLayer("j1"), design.Stack().JumperLayer());
  EXPECT_EQ(design.Stack().FindLayer("J2"), design.Stack().LayerAt(2));
  for (const char* name : {"J1", "J2"}) {
    EXPECT_TRUE(design.Stack().FindLayer(name)->IsRoutable()) << name;
    EXPECT_EQ(design.Stack().FindLayer(name)->KindName(), "SIGNAL") << name;
  }

  TDesignFromText front("(layer F.Cu (type jumper)) (layer B.Cu (type signal))");
  EXPECT_EQ(front.Stack().FirstLayer(), front.Stack().JumperLayer());
  EXPECT_EQ(front.Stack().FindLayer("front layer")->Name(), "F.CU");
  EXPECT_EQ(std::count(design.Lines().begin(), design.Lines().end(),
                       "WARNING: Multiple jumper layers are not allowed, only first one will be "
                       "used."),
            1);
}

TEST_F(SpecctraLayerStackTest, AnUnknownTypeWordMakesAJumperLayerAndIsReported) {
  TDesignFromText design("(layer TOP) (layer ODD (type sideways)) (layer BOTTOM)");
  EXPECT_EQ(Names(design.Stack()), (std::vector<std::string>{"TOP", "ODD", "BOTTOM"}));
  ASSERT_NE(design.Stack().JumperLayer(), nullptr);
  EXPECT_EQ(design.Stack().JumperLayer()->Name(), "ODD");
  EXPECT_TRUE(design.Has(
      "WARNING: Unknown type <SIDEWAYS> of layer ODD in line 1, taken as a jumper layer."));
}

TEST_F(SpecctraLayerStackTest, FindLayerKnowsFrontAndBackAndIgnoresCase) {
  TDesignFromText one("(layer Only)");
  EXPECT_EQ(one.Stack().FindLayer("front layer"), one.Stack().FirstLayer());
  EXPECT_EQ(one.Stack().FindLayer("back layer"), nullptr) << "one layer has no back";

  TDesignFromText two("(layer 'Top Copper') (layer Bottom) (layer Bottom (type power))");
  TSpecctraLayerStack& stack = two.Stack();
  EXPECT_EQ(stack.FindLayer("BACK LAYER"), stack.LayerAt(2));
  EXPECT_EQ(stack.FindLayer("top copper"), stack.LayerAt(0));
  EXPECT_EQ(stack.FindLayer("BOTTOM"), stack.LayerAt(1)) << "the first of a name is filed";
  EXPECT_EQ(stack.FindLayer("Nowhere"), nullptr);
  // Any object of the design finds layers through its file.
  EXPECT_EQ(two.design.DsnStructure()->FindLayer("front layer"), stack.FirstLayer());
  EXPECT_EQ(stack.LayerAt(1)->FindLayer("top COPPER"), stack.FirstLayer());

  TDesignFromText none("(rule (width 1))");
  EXPECT_EQ(none.Stack().FindLayer("J"), nullptr) << "no lookups while the list is empty";
  EXPECT_EQ(none.Stack().FindLayer("front layer"), nullptr);
}

TEST_F(SpecctraLayerStackTest, MalformedLayersEndAtTheirOwnParenthesis) {
  struct Case {
    const char* text;
    std::vector<std::string> kept;
  };
  const Case cases[] = {
      // A layer with an unexpected statement is dropped, the next one still read.
      {"(layer A (colour red)) (layer B)", {"B"}},
      {"(layer) (layer B)", {"B"}},
      {"(layer (type power)) (layer B)", {"B"}},
      {"(layer A (type)) (layer B)", {"B"}},
      {"(layer A (direction)) (layer B)", {"B"}},
      // A bad cost costs its report line, not the layer.
      {"(layer A (cost much (type far) (x))) (layer B)", {"A", "B"}},
      {"(layer A (use_net N1 (x N2))) (layer B)", {"B"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TDesignFromText design(c.text);
    EXPECT_EQ(Names(design.Stack()), c.kept);
    EXPECT_GT(design.design.ReportManager().ErrorCount(), 0);
    EXPECT_TRUE(design.ReadOnToTheEnd());
  }
}

TEST_F(SpecctraLayerStackTest, LayerNoiseWeightsAreKeptAndBadPairsReported) {
  TDesignFromText design(
      "(layer_noise_weight (layer_pair TOP IN1 0.5) (layer_pair IN1 BOTTOM 2) (layer_pair A B)"
      " (layer_pair A (x) B 1) (other 1 (2)) (layer_pair C D 1e1)) (layer TOP)");
  const auto& pairs = design.design.DsnStructure()->LayerNoiseWeights();
  ASSERT_EQ(pairs.size(), 3u);
  EXPECT_EQ(pairs[0].Layer1, "TOP");
  EXPECT_EQ(pairs[0].Layer2, "IN1");
  EXPECT_DOUBLE_EQ(pairs[0].Weight, 0.5);
  EXPECT_DOUBLE_EQ(pairs[1].Weight, 2);
  EXPECT_EQ(pairs[2].Layer1, "C");
  EXPECT_DOUBLE_EQ(pairs[2].Weight, 10);
  EXPECT_TRUE(design.Has("ERROR: Layer pair in line 1 needs two layer names and a weight."));
  EXPECT_EQ(Names(design.Stack()), (std::vector<std::string>{"TOP"}));
  EXPECT_TRUE(design.ReadOnToTheEnd());
}

TEST_F(SpecctraLayerStackTest, EveryCutOfALayerStatementEndsCleanly) {
  const std::string full =
      "(layer_noise_weight (layer_pair TOP IN1 0.5)) (layer TOP (type mixed) (direction "
      "vertical) (cost 3 (type length)) (use_net GND VCC) (property (index 1)))";
  for (std::size_t length = 0; length <= full.size(); ++length) {
    SCOPED_TRACE(full.substr(0, length));
    ResetTranslationState();
    TDesignFromText design(full.substr(0, length));
    EXPECT_LE(design.Stack().LayerCount(), 1);
  }
}

}  // namespace
