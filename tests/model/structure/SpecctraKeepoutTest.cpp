#include <gtest/gtest.h>

#include "model/structure/SpecctraKeepout.h"
#include "model/structure/SpecctraRegion.h"
#include "model/structure/SpecctraSplitPlaneShape.h"
#include "model/structure/StructureTestSupport.h"
#include "rtl/TranslationState.h"

namespace {

class SpecctraKeepoutTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(SpecctraKeepoutTest, KeepoutsKeepTheirKindIdentifierAndShapes) {
  struct Case {
    const char* structure;
    uint8_t kind;
    const char* identifier;
    int32_t sequence;
    int shapes;
    TSpecctraShapeKind primary;
    int windows;
  };
  const Case cases[] = {
      {"(keepout k1 (rect signal 0 0 10 10))", 6, "K1", 0, 1, eRect_Shape, 0},
      {"(keepout (rect signal 0 0 10 10))", 6, "", 0, 1, eRect_Shape, 0},
      {"(via_keepout (circle top 5) (rect top 0 0 1 1))", 1, "", 0, 2, eCircle_Shape, 0},
      {"(wire_keepout 'a b' (sequence_number 7) (polygon top 0 0 0 1 0 1 1) (window (rect top 0 0 1 "
       "1)) (type x (y)) (place_rule (spacing 1)))",
       2, "a b", 7, 1, eFilledPoly_Shape, 1},
      {"(bend_keepout (path top 1 0 0 1 1))", 3, "", 0, 1, ePolyLine_Shape, 0},
      {"(place_keepout (qarc top 1 1 0 0 1 0 0))", 4, "", 0, 1, eQArc_Shape, 0},
      {"(elongate_keepout e (rect top 0 0 1 1))", 5, "E", 0, 1, eRect_Shape, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.structure);
    TStructureFromText text(std::string(c.structure) + " (unit mm)");
    EXPECT_TRUE(text.loaded);
    EXPECT_EQ(text.Structure().UnitKind(), uMm) << "the structure goes on after the keepout";
    ASSERT_EQ(text.Structure().Keepouts().Count(), 1);
    auto& keepout = static_cast<TSpecctraKeepout&>(*text.Structure().Keepouts().ObjectAt(0));
    EXPECT_EQ(keepout.KeepoutKind(), c.kind);
    EXPECT_EQ(keepout.Identifier(), c.identifier);
    EXPECT_EQ(keepout.SequenceNumber(), c.sequence);
    EXPECT_EQ(keepout.Shapes().Count(), c.shapes);
    EXPECT_EQ(keepout.PrimaryShape()->Kind(), c.primary);
    EXPECT_EQ(keepout.Windows() ? keepout.Windows()->Count() : 0, c.windows);
  }
}

TEST_F(SpecctraKeepoutTest, BrokenKeepoutsAreDroppedWithoutLosingTheStructure) {
  for (const char* structure : {"(keepout (rect signal 0 0 10))", "(keepout (sequence_number))",
                                "(keepout k (window rect))", "(keepout)"}) {
    SCOPED_TRACE(structure);
    TStructureFromText text(std::string(structure) + " (unit mm)");
    EXPECT_EQ(text.Structure().UnitKind(), uMm);
    EXPECT_EQ(text.Structure().Keepouts().Count(), structure == std::string("(keepout)") ? 1 : 0);
  }
}

TEST_F(SpecctraKeepoutTest, PlanesKeepTheirNetAndRegionsTheirShape) {
  TStructureFromText text(
      "(plane GND (polygon power 0 0 0 10 0 10 10) (window (rect power 1 1 2 2)))"
      "(plane (rect power 0 0 1 1))"
      "(region r1 (rect signal 0 0 10 10) (polygon signal 0 0 0 5 0 5 5) (rule (width 5)))"
      "(unit mm)");
  EXPECT_TRUE(text.loaded);
  EXPECT_EQ(text.Structure().UnitKind(), uMm);
  ASSERT_EQ(text.Structure().Planes().Count(), 2);
  auto& plane = static_cast<TSpecctraSplitPlaneShape&>(*text.Structure().Planes().ObjectAt(0));
  EXPECT_EQ(plane.NetName(), "GND");
  EXPECT_EQ(plane.ShapeNetName(), "GND");
  EXPECT_EQ(plane.PrimaryShape()->Kind(), eFilledPoly_Shape);
  EXPECT_EQ(plane.PrimaryShape()->PcbExportMode(), eSolid_Export);
  auto& unnamed = static_cast<TSpecctraSplitPlaneShape&>(*text.Structure().Planes().ObjectAt(1));
  EXPECT_EQ(unnamed.NetName(), "");
  EXPECT_EQ(unnamed.Shapes().Count(), 1);
  ASSERT_EQ(text.Structure().Regions().Count(), 1);
  auto& region = static_cast<TSpecctraRegion&>(*text.Structure().Regions().ObjectAt(0));
  EXPECT_EQ(region.Identifier(), "R1");
  ASSERT_NE(region.Shape(), nullptr);
  EXPECT_EQ(region.Shape()->VertexCount(), 3) << "the later shape replaces the rectangle";
}
