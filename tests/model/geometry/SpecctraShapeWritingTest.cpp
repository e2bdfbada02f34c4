#include <gtest/gtest.h>

#include "model/geometry/ShapeTestSupport.h"
#include "model/geometry/SpecctraCircleShape.h"
#include "model/geometry/SpecctraCombinedShape.h"
#include "model/geometry/SpecctraFilledPolyShape.h"
#include "model/geometry/SpecctraQArcShape.h"
#include "model/geometry/SpecctraRectShape.h"
#include "rtl/TranslationState.h"

namespace {

// Shapes built from the board hold host units; the writer converts them back.
template <class Shape>
std::unique_ptr<Shape> Built(TSpecctraObject* owner, const std::string& layer,
                             std::vector<TVertex> points) {
  auto shape = std::make_unique<Shape>(owner);
  shape->SetLayerName(layer);
  if (shape->VertexCount() == 0)
    for (const TVertex& point : points) shape->AddVertex() = point;
  else
    for (std::size_t i = 0; i < points.size(); ++i) *shape->Vertex(static_cast<int32_t>(i)) = points[i];
  return shape;
}

class SpecctraShapeWritingTest : public ::testing::Test {
protected:
  void SetUp() override {
    ResetTranslationState();
    TranslationState().BoardOffsetX = 1000;
  }
  void TearDown() override { ResetTranslationState(); }
  // The text one shape writes at indentation level 1.
  std::string Written(TSpecctraAbstractGeometryShape& shape) {
    TShapeTestTop& top = static_cast<TShapeTestTop&>(*shape.TopObject());
    shape.Writer()->IndentIn(1);
    EXPECT_TRUE(shape.ExportToFile());
    return top.Written();
  }
};

}  // namespace

TEST_F(SpecctraShapeWritingTest, EachShapeHasItsOwnLayout) {
  TShapeTestTop top1, top2, top3, top4, top5, top6;
  auto rect = Built<TSpecctraRectShape>(&top1, "SIGNAL", {{1000, 0}, {11000, 20000}});
  EXPECT_EQ(Written(*rect), "  \r\n(rect SIGNAL 0 0 10000 20000)\r\n");

  auto circle = Built<TSpecctraCircleShape>(&top2, "A(1)", {{1001, 2}});
  circle->SetDiameter(500);
  EXPECT_EQ(Written(*circle), "  \r\n    (circle 'A(1)' 500 1 2)\r\n");

  auto arc = Built<TSpecctraQArcShape>(&top3, "L", {{1000, 0}, {1001, 1}, {1002, 2}});
  arc->SetWidth(10);
  EXPECT_EQ(Written(*arc), "  (qarc L 10 \r\n    0 0 1 1 2 2 \r\n  )\r\n");

  auto path = Built<TSpecctraPolyLineShape>(&top4, "L", {{1000, 0}, {1005, 5}});
  path->SetWidth(10);
  path->SetSquareAperture(true);
  EXPECT_EQ(Written(*path), "(path L 10\r\n  0 0 \r\n  5 5 \r\n  (aperture_type square)\r\n  )\r\n");

  auto polygon = Built<TSpecctraFilledPolyShape>(&top5, "L", {{1000, 0}, {1005, 5}});
  polygon->SetWidth(10);
  EXPECT_EQ(Written(*polygon), "  (polygon L 10\r\n      0 0\r\n      5 5\r\n  )")
      << "the owner ends the line";

  auto round = Built<TSpecctraPolyLineShape>(&top6, "L", {{1000, 0}});
  EXPECT_EQ(Written(*round), "(path L 0\r\n  0 0 \r\n  )\r\n");
}

TEST_F(SpecctraShapeWritingTest, CombinedShapesWriteTheirShapesThenTheirWindows) {
  TShapeTestTop top;
  TSpecctraCombinedShape combined(&top);
  combined.AddShape(Built<TSpecctraRectShape>(&combined, "L", {{1000, 0}, {1001, 1}}));
  combined.AddWindow(Built<TSpecctraRectShape>(&combined, "L", {{1002, 2}, {1003, 3}}));
  EXPECT_TRUE(combined.ExportToFile());
  EXPECT_EQ(top.Written(),
            "\r\n(rect L 0 0 1 1)\r\n"
            "(window \r\n  \r\n(rect L 2 2 3 3)\r\n)\r\n");
}
