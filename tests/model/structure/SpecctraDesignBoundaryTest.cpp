#include <gtest/gtest.h>

#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/structure/StructureTestSupport.h"
#include "rtl/TranslationState.h"

namespace {

class SpecctraDesignBoundaryTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(SpecctraDesignBoundaryTest, TheBoundaryChoosesItsRectangleAndBoardShape) {
  struct Case {
    const char* structure;
    bool boundingRect;
    int boardShapeVertices;  // -1: none
    int otherShapes;
    TSpecctraExtent extent;
  };
  const Case cases[] = {
      {"(boundary (rect pcb 0 0 5000 4000) (path signal 0 0 0 5000 0 5000 4000 0 4000 0 0))", true,
       5, 0, {0, 0, 5000, 4000}},
      {"(boundary (rect PCB 5000 4000 10 20))", true, -1, 0, {10, 20, 5000, 4000}},
      {"(boundary (path signal 2 0 0 9 0 9 9) (path signal 0 0 0 5 0 5 5 0 0))", false, 4, 1,
       {-1, -1, 10, 10}},
      {"(boundary (path pcb 0 -10 -10 100 -10 100 50 -10 50))", false, -1, 1, {-10, -10, 100, 50}},
      {"(boundary (path pcb 0 10 10 100 10 100 50))", false, -1, 1, {0, 0, 100, 50}},
      {"(boundary (rect pcb 0 0 10 10) (polygon signal 0 0 0 10 0 10 10))", true, 4, 0,
       {0, 0, 10, 10}},
      {"(boundary (path signal 0 0 0 1 1)) (boundary (rule (width 1)) (rect pcb 0 0 9 9))", true, 3,
       0, {0, 0, 9, 9}},
      {"(boundary)", false, -1, 0, {0, 0, 0, 0}},
      {"(boundary (rect pcb 0 0 8 8)) (boundary (path signal 0 0 0 8 0 8 8) (clearance_class b))",
       true, 4, 0, {0, 0, 8, 8}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.structure);
    TStructureFromText text(c.structure);
    EXPECT_TRUE(text.loaded);
    EXPECT_EQ(text.design.ReportManager().ErrorCount(), 0);
    TSpecctraDesignBoundary& boundary = text.Structure().Boundary();
    EXPECT_EQ(boundary.BoundingRect() != nullptr, c.boundingRect);
    if (c.boardShapeVertices < 0) {
      EXPECT_EQ(boundary.BoardShape(), nullptr);
    } else {
      ASSERT_NE(boundary.BoardShape(), nullptr);
      EXPECT_EQ(boundary.BoardShape()->VertexCount(), c.boardShapeVertices) << "closed";
    }
    EXPECT_EQ(boundary.OtherShapes().size(), static_cast<std::size_t>(c.otherShapes));
    const TSpecctraExtent extent = text.Structure().DesignExtent();
    EXPECT_EQ(extent.MinX, c.extent.MinX);
    EXPECT_EQ(extent.MinY, c.extent.MinY);
    EXPECT_EQ(extent.MaxX, c.extent.MaxX);
    EXPECT_EQ(extent.MaxY, c.extent.MaxY);
  }
}

TEST_F(SpecctraDesignBoundaryTest, TheBoardOffsetFollowsTheBoundary) {
  TStructureFromText text("(boundary (rect pcb -100 -100 4900 100))");
  EXPECT_EQ(TranslationState().BoardOffsetX, 21000000);
  EXPECT_EQ(TranslationState().BoardOffsetY, 21000000);
}

TEST_F(SpecctraDesignBoundaryTest, ABadBoundaryShapeFailsTheStructureAndSkipsTheOffset) {
  TStructureFromText text("(boundary (rect pcb 0 0 1) (path signal 0 0 0 1 1)) (unit mm)");
  EXPECT_EQ(text.Structure().Boundary().OtherShapes().size(), 0u);
  ASSERT_NE(text.Structure().Boundary().BoardShape(), nullptr) << "the rest still loads";
  EXPECT_EQ(text.Structure().UnitKind(), uMm) << "and so does the structure";
  EXPECT_EQ(TranslationState().BoardOffsetX, 0);
  EXPECT_TRUE(text.HasLine("ERROR: Floating point value expected <)> in line 1."));
}
