// Padstacks and pads read from design text: statements, the layer and size queries that pins
// and vias build on, and the written form.
#include <gtest/gtest.h>

#include <string>

#include "model/library/LibraryTestSupport.h"
#include "model/geometry/SpecctraAbstractGeometryShape.h"
#include "model/rules/RuleCollection.h"
#include "rtl/TranslationState.h"

namespace {

class SpecctraPadstackTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

std::string LayerName(const TSpecctraLayer* layer) { return layer ? layer->Name() : "nil"; }

}  // namespace

TEST_F(SpecctraPadstackTest, StackKindFollowsTheLayersOfThePads) {
  struct Case {
    const char* pads;
    TPadstackKind kind;
  };
  const Case cases[] = {
      {"(shape (circle signal 10))", eSimple_Stack},
      {"(shape (circle IN1 10))", eSimple_Stack},
      {"(shape (circle TOP 10)) (shape (circle BOT 10))", eTopMidBottom_Stack},
      {"(shape (circle IN1 10)) (shape (circle TOP 10))", eFull_Stack},
      {"(shape (rect BOT 0 0 10 10))", eSurface_Stack},
      {"(shape (rect 'FRONT LAYER' 0 0 10 10))", eSurface_Stack},
      {"(shape (circle PWR 10))", eTopMidBottom_Stack},
      {"(shape (circle power 10)) (shape (circle pcb 10)) (shape (circle signal 10))",
       eSimple_Stack},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pads);
    TLibraryFromText design(std::string("(padstack P ") + c.pads + ")");
    EXPECT_EQ(design.Padstack("P").StackKind(), c.kind);
  }
}

TEST_F(SpecctraPadstackTest, FindPadForLayerPrefersTheLayersOwnPadOverItsKind) {
  TLibraryFromText design(
      "(padstack ONLYSIG (shape (circle signal 10)))"
      "(padstack MIXED (shape (circle signal 10)) (shape (rect TOP 0 0 5 5)) (shape (circle "
      "power 30)) (shape (circle signal 12)))"
      "(padstack EMPTY (shape))");
  TSpecctraPadstack& onlySignal = design.Padstack("ONLYSIG");
  EXPECT_EQ(onlySignal.FindPadForLayer("IN1"), onlySignal.Pad(0));
  EXPECT_EQ(onlySignal.FindPadForLayer("PWR"), nullptr) << "a power layer takes POWER pads";
  EXPECT_EQ(onlySignal.FindPadForLayer("NOWHERE"), nullptr);

  TSpecctraPadstack& mixed = design.Padstack("MIXED");
  EXPECT_EQ(mixed.FindPadForLayer("top"), mixed.Pad(1));
  EXPECT_EQ(mixed.FindPadForLayer("BOT"), mixed.Pad(3)) << "the last SIGNAL pad";
  EXPECT_EQ(mixed.FindPadForLayer("PWR"), mixed.Pad(2));
  EXPECT_EQ(mixed.FindPadForLayer("signal"), mixed.Pad(0)) << "a generic name is its own pad";
  EXPECT_EQ(design.Padstack("EMPTY").FindPadForLayer("NOWHERE"), nullptr)
      << "a pad without shape stands on no layer";
}

TEST_F(SpecctraPadstackTest, HasPadOnLayerStopsAtTheFirstMatchingPad) {
  TLibraryFromText design(
      "(padstack FLAT (shape (rect TOP 0 0 10 0)) (shape (circle signal 10)))"
      "(padstack SIGFIRST (shape (circle signal 10)) (shape (rect TOP 0 0 10 0)))");
  TSpecctraPadstack& flat = design.Padstack("FLAT");
  EXPECT_FALSE(flat.HasPadOnLayer("TOP")) << "the layer's own pad has no area";
  EXPECT_TRUE(flat.HasPadOnLayer("BOT"));
  EXPECT_FALSE(flat.HasPadOnLayer("PWR"));
  EXPECT_TRUE(design.Padstack("SIGFIRST").HasPadOnLayer("TOP"));
  EXPECT_FALSE(flat.HasPadOnLayer("MISSING"));
  EXPECT_TRUE(design.Has("ERROR: Can't find layer MISSING"));
}

TEST_F(SpecctraPadstackTest, PadLayersAndViaGeometryComeFromTheStack) {
  TLibraryFromText design(
      "(padstack THRU (shape (circle signal 10)) (shape (rect signal 0 0 20 40)))"
      "(padstack BLIND (shape (circle TOP 10)) (shape (circle IN1 16)))"
      "(padstack NOLAYER (shape (circle pcb 10)))");
  TSpecctraPadstack& thru = design.Padstack("THRU");
  EXPECT_EQ(LayerName(thru.TopPadLayer()), "TOP");
  EXPECT_EQ(LayerName(thru.BottomPadLayer()), "BOT");
  uint8_t top = 99, bottom = 99;
  int32_t diameter = 0;
  ASSERT_TRUE(thru.ViaGeometry(top, bottom, diameter));
  EXPECT_EQ(diameter, 300000) << "(20 + 40) / 2 mil";

  TSpecctraPadstack& blind = design.Padstack("BLIND");
  EXPECT_EQ(LayerName(blind.BottomPadLayer()), "IN1");
  EXPECT_EQ(blind.LargestInnerPad(), blind.Pad(1));

  TSpecctraPadstack& plane = design.Padstack("NOLAYER");
  EXPECT_EQ(plane.TopPadLayer(), nullptr);
  top = bottom = 7;
  diameter = 7;
  EXPECT_FALSE(plane.ViaGeometry(top, bottom, diameter));
  EXPECT_EQ(top + bottom + diameter, 21) << "outputs untouched";

  TranslationState().TranslationMode = 3;
  TLibraryFromText stored("(padstack V (shape (rect signal 0 0 3 4)))");
  ASSERT_TRUE(stored.Padstack("V").ViaGeometry(top, bottom, diameter));
  EXPECT_EQ(diameter, 4) << "stored shapes are host units, 3.5 rounds to even";
}

TEST_F(SpecctraPadstackTest, LargestPadsPreferALaterSquareOverACircleOfTheSameArea) {
  TLibraryFromText design(
      "(padstack EQ (shape (circle signal 20)) (shape (rect signal -10 -10 10 10)))"
      "(padstack SQFIRST (shape (rect signal -10 -10 10 10)) (shape (circle signal 20)))"
      "(padstack OUTER (shape (circle TOP 50)) (shape (circle PWR 80)) (shape (circle IN1 0)))");
  EXPECT_EQ(design.Padstack("EQ").LargestSignalPad(), design.Padstack("EQ").Pad(1));
  EXPECT_EQ(design.Padstack("SQFIRST").LargestSignalPad(), design.Padstack("SQFIRST").Pad(0));
  TSpecctraPadstack& outer = design.Padstack("OUTER");
  EXPECT_EQ(outer.LargestSignalPad(), outer.Pad(0)) << "power layers carry no signal pads";
  EXPECT_EQ(outer.LargestInnerPad(), nullptr) << "a zero-area inner pad is never chosen";
}

TEST_F(SpecctraPadstackTest, PadQueriesReadThePrimaryShape) {
  struct Case {
    const char* shape;
    uint8_t hostShape;
    int32_t width, height;
    std::string layer;
  };
  const Case cases[] = {
      {"(rect TOP -5 -10 5 10)", kPadShapeRectangular, 100000, 200000, "TOP"},
      {"(circle BOT 30)", kPadShapeRound, 300000, 300000, "BOT"},
      {"(path signal 10 0 0 20 0 (aperture_type square))", kPadShapeOctagonal, 300000, 100000,
       "SIGNAL"},
      {"(path signal 10 0 0 20 0)", kPadShapeRound, 300000, 100000, "SIGNAL"},
      {"(polygon IN1 0 0 0 10 0 10 10)", kPadShapeRound, 100000, 100000, "IN1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.shape);
    TLibraryFromText design(std::string("(padstack P (shape ") + c.shape + "))");
    TSpecctraPad& pad = *design.Padstack("P").Pad(0);
    EXPECT_EQ(PadHostShape(pad), c.hostShape);
    EXPECT_EQ(PadWidth(pad), c.width);
    EXPECT_EQ(PadHeight(pad), c.height);
    EXPECT_EQ(PadLayerName(pad), c.layer);
  }
  TLibraryFromText empty("(padstack P (shape))");
  TSpecctraPad& none = *empty.Padstack("P").Pad(0);
  EXPECT_EQ(PadHostShape(none), kPadShapeRound);
  EXPECT_TRUE(empty.Has("WARNING: Unknown pad type, converted to rounded pad."));
  EXPECT_EQ(PadWidth(none) + PadHeight(none), 0);
}

TEST_F(SpecctraPadstackTest, PadsExtentIsTheUnionOfThePrimaryShapes) {
  TLibraryFromText design(
      "(padstack P (shape (rect TOP -5 -2 5 2) (circle TOP 100)) (shape (circle BOT 8 10 0)))"
      "(padstack NONE)");
  const TSpecctraExtent extent = design.Padstack("P").GetPadsExtent();
  EXPECT_EQ(extent.MinX, -5);
  EXPECT_EQ(extent.MinY, -4);
  EXPECT_EQ(extent.MaxX, 14);
  EXPECT_EQ(extent.MaxY, 4);
  const TSpecctraExtent none = design.Padstack("NONE").GetPadsExtent();
  EXPECT_EQ(none.MinX + none.MinY + none.MaxX + none.MaxY, 0);
}

TEST_F(SpecctraPadstackTest, StatementsOfThePadstackAndItsPads) {
  TLibraryFromText design(
      "(padstack P (attach off) (rotate OFF) (absolute on) (use_via V1) (via_site 12.5 -3)"
      " (shape (circle TOP 10) (connect off) (reduced (rect TOP 0 0 2 2)) (window (circle TOP 4)))"
      " (rule (width 5)) (unit mm))");
  ASSERT_TRUE(design.loaded);
  TSpecctraPadstack& padstack = design.Padstack("P");
  EXPECT_FALSE(padstack.Attach());
  EXPECT_FALSE(padstack.Rotate());
  EXPECT_TRUE(padstack.Absolute());
  EXPECT_EQ(padstack.UseVia(), "V1");
  ASSERT_NE(padstack.ViaSite(), nullptr);
  EXPECT_EQ(padstack.ViaSite()->X, 12.5);
  EXPECT_EQ(padstack.ViaSite()->Y, -3);
  EXPECT_EQ(padstack.UnitKind(), uMm);
  TSpecctraPad& pad = *padstack.Pad(0);
  EXPECT_FALSE(pad.Connect());
  ASSERT_NE(pad.ReducedShape(), nullptr);
  EXPECT_EQ(pad.ReducedShape()->Kind(), eRect_Shape);
  ASSERT_NE(pad.Windows(), nullptr);
  EXPECT_EQ(pad.Windows()->Count(), 1);
  EXPECT_EQ(design.design.ReportManager().ErrorCount(), 0);
  EXPECT_EQ(design.design.GetRuleCollection()->RulesOfScopeKind(15).size(), 1u)
      << "the rule block has the padstack's scope";
}

// A padstack that fails its parse is left out of the library; the statements after it are
// still read.
TEST_F(SpecctraPadstackTest, BadStatementsDropThePadstackButNotTheLibrary) {
  const char* statements[] = {
      "(via_site 1)",
      "(via_site 1 2 3)",
      "(via_site (1 2))",
      "(via_site x 2)",
      "(shape (qarc TOP 1 0 0 1 1 0 0))",
      "(shape (reduced (qarc TOP 1 0 0 1 1 0 0)))",
      "(shape (circle TOP 10) (bogus))",
      "(bogus 1)",
  };
  for (const char* statement : statements) {
    SCOPED_TRACE(statement);
    TLibraryFromText design(std::string("(padstack BAD ") + statement +
                            " (shape (circle TOP 1))) (padstack GOOD (shape (circle TOP 1)))");
    EXPECT_EQ(design.design.FindPadstack("BAD"), nullptr);
    ASSERT_NE(design.design.FindPadstack("GOOD"), nullptr);
    EXPECT_EQ(design.Library().PadstackCount(), 1);
  }
  TLibraryFromText reduced("(padstack R (shape (circle TOP 1) (reduced x)))(padstack GOOD)");
  EXPECT_NE(reduced.design.FindPadstack("R"), nullptr) << "a reduced word without a shape is skipped";
  EXPECT_NE(reduced.design.FindPadstack("GOOD"), nullptr);
}

