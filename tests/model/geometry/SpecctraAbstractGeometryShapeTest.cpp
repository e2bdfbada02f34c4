#include <gtest/gtest.h>

#include "model/geometry/ShapeTestSupport.h"
#include "model/geometry/SpecctraCircleShape.h"
#include "model/geometry/SpecctraCombinedShape.h"
#include "model/geometry/SpecctraFilledPolyShape.h"
#include "model/geometry/SpecctraQArcShape.h"
#include "model/geometry/SpecctraRectShape.h"
#include "rtl/Parameters.h"
#include "rtl/TranslationState.h"

namespace {

class SpecctraAbstractGeometryShapeTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }

  // A shape parsed from text (in mils) inside a combined shape of the top object.
  TSpecctraAbstractGeometryShape& Parse(const std::string& text) {
    FTop = std::make_unique<TShapeTestTop>(text);
    FOwner = std::make_unique<TSpecctraCombinedShape>(FTop.get());
    FTop->EnterBlock();
    EXPECT_TRUE(FOwner->ParseShape()) << text << ": " << (FTop->Lines().empty() ? "" : FTop->Lines().back());
    return *FOwner->PrimaryShape();
  }
  std::unique_ptr<TShapeTestTop> FTop;
  std::unique_ptr<TSpecctraCombinedShape> FOwner;
};

std::string Value(const std::string& params, const std::string& name) {
  std::string value;
  return GetParameterValue(params, name, value) ? value : "<none>";
}

// A new shape of the same class, owned by the top object.
std::unique_ptr<TSpecctraAbstractGeometryShape> EmptyLike(const TSpecctraAbstractGeometryShape& shape,
                                                          TSpecctraObject* owner) {
  switch (shape.Kind()) {
    case eRect_Shape: return std::make_unique<TSpecctraRectShape>(owner);
    case eCircle_Shape: return std::make_unique<TSpecctraCircleShape>(owner);
    case eQArc_Shape: return std::make_unique<TSpecctraQArcShape>(owner);
    case ePolyLine_Shape: return std::make_unique<TSpecctraPolyLineShape>(owner);
    default: return std::make_unique<TSpecctraFilledPolyShape>(owner);
  }
}

}  // namespace

TEST_F(SpecctraAbstractGeometryShapeTest, ExtentsBoundsAndAreas) {
  struct Case {
    const char* text;
    TSpecctraExtent extent;
    double area;
  };
  const Case cases[] = {
      {"(rect signal 10 20 0 0)", {0, 0, 10, 20}, 200},
      {"(circle signal 4 5 5)", {3, 3, 7, 7}, 16},
      {"(path signal 2 0 0 10 5)", {-1, -1, 11, 6}, 84},
      {"(polygon signal 0 -5 -5 5 -5 5 5)", {-5, -5, 5, 5}, 100},
      {"(path signal 2)", {0, 0, 0, 0}, 0},
      {"(qarc signal 1 10 0 0 10 0 0)", {0, 0, 0, 0}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TSpecctraAbstractGeometryShape& shape = Parse(c.text);
    const TSpecctraExtent& bounds = shape.GetBounds();
    EXPECT_EQ(bounds.MinX, c.extent.MinX);
    EXPECT_EQ(bounds.MinY, c.extent.MinY);
    EXPECT_EQ(bounds.MaxX, c.extent.MaxX);
    EXPECT_EQ(bounds.MaxY, c.extent.MaxY);
    EXPECT_EQ(shape.GetArea(), c.area);
  }
}

TEST_F(SpecctraAbstractGeometryShapeTest, ShapesComeBackFromTheirParametersInHostUnits) {
  struct Case {
    const char* text;
    std::vector<std::pair<std::string, std::string>> keys;
  };
  const Case cases[] = {
      {"(rect L1 30 40 10 -20)",
       {{"PL", "L1"}, {"PVC", "2"}, {"PX0", "186A0"}, {"PY0", "FFFCF2C0"}, {"PY1", "61A80"}}},
      {"(circle signal 25)", {{"PL", "<none>"}, {"PVC", "1"}, {"PX0", "<none>"}, {"PD", "3D090"}}},
      {"(qarc signal 2 1 0 0 1 0 0)", {{"PA", "4E20"}, {"PVC", "3"}, {"PY0", "<none>"}}},
      {"(path signal 5 0 0 1 1 (aperture_type square))", {{"PAS", "C350"}, {"PAR", "<none>"}}},
      {"(polygon pcb 5 0 0 1 0 1 1)", {{"PAR", "C350"}, {"PVC", "4"}, {"PL", "PCB"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TSpecctraAbstractGeometryShape& shape = Parse(c.text);
    std::string params;
    shape.StoreToParams("P", params);
    for (const auto& [key, value] : c.keys) EXPECT_EQ(Value(params, key), value) << key;

    auto loaded = EmptyLike(shape, FTop.get());
    ASSERT_TRUE(loaded->LoadFromParams("P", params)) << params;
    EXPECT_EQ(loaded->LayerName(), shape.LayerName());
    ASSERT_EQ(loaded->VertexCount(), shape.VertexCount());
    for (int32_t i = 0; i < shape.VertexCount(); ++i) {
      EXPECT_EQ(loaded->Vertex(i)->X, shape.Vertex(i)->X * 10000);
      EXPECT_EQ(loaded->Vertex(i)->Y, shape.Vertex(i)->Y * 10000);
    }
    std::string again;
    loaded->StoreToParams("P", again);
    EXPECT_EQ(Value(again, "PVC"), Value(params, "PVC"));
  }
  EXPECT_EQ(FTop->ErrorCount(), 0);
}

TEST_F(SpecctraAbstractGeometryShapeTest, BadParameterTextsFailWithTheirErrors) {
  struct Case {
    const char* params;
    TSpecctraShapeKind kind;
    const char* error;  // nullptr: fails without an error
  };
  const Case cases[] = {
      {"PX0=1", ePolyLine_Shape, "ERROR: Cannot load number of vertexes for shape: Polyline Shape"},
      {"PVC=x", eFilledPoly_Shape, "ERROR: Cannot load number of vertexes for shape: Filled Polygon Shape"},
      {"PVC=0", eQArc_Shape, "ERROR: Cannot load number of vertexes for shape: Quarter Arc Shape"},
      {"PVC=2000000000", ePolyLine_Shape, "ERROR: Cannot load number of vertexes for shape: Polyline Shape"},
      {"PVC=-1", eCircle_Shape, "ERROR: Cannot load number of vertexes for shape: Circular Shape"},
      {"PVC=3|PY1=5", eRect_Shape, "ERROR: Rectangle may contain only two opposite corner vertices."},
      {"PVC=2|PX1=5", eRect_Shape, nullptr},
      {"PVC=2|PY1=FFFFFFFF", eRect_Shape, nullptr},
      {"PVC=2|PD=10", eCircle_Shape,
       "ERROR: Multiple point definitions in circle. #10#13 Circle may contain only single vertex "
       "defining center of the circle."},
      {"PVC=1|PD=0", eCircle_Shape, nullptr},
      {"PVC=1|PD=zz", eCircle_Shape, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.params);
    TShapeTestTop top;
    TSpecctraFilledPolyShape probe(&top);
    probe.SetLayerName("SIGNAL");
    std::unique_ptr<TSpecctraAbstractGeometryShape> shape;
    switch (c.kind) {
      case eRect_Shape: shape = std::make_unique<TSpecctraRectShape>(&top); break;
      case eCircle_Shape: shape = std::make_unique<TSpecctraCircleShape>(&top); break;
      case eQArc_Shape: shape = std::make_unique<TSpecctraQArcShape>(&top); break;
      case ePolyLine_Shape: shape = std::make_unique<TSpecctraPolyLineShape>(&top); break;
      default: shape = std::make_unique<TSpecctraFilledPolyShape>(&top); break;
    }
    EXPECT_FALSE(shape->LoadFromParams("P", c.params));
    EXPECT_EQ(top.ErrorCount(), c.error ? 1 : 0);
    if (c.error) {
      EXPECT_TRUE(top.HasLine(c.error));
    }
  }
}

TEST_F(SpecctraAbstractGeometryShapeTest, StoredNamesOfUnknownLayersAreReportedButLoad) {
  TShapeTestTop top;
  TSpecctraCircleShape circle(&top);
  EXPECT_TRUE(circle.LoadFromParams("C", "CL=INNER9|CVC=1|CD=A"));
  EXPECT_TRUE(top.HasLine("ERROR: Stored padstacks contain original layer names. Can't find layer: "
                          "<INNER9>.\r\nIf you change layer names, host PCB sytem might report "
                          "errors."));
  TSpecctraRectShape rect(&top);
  EXPECT_TRUE(rect.LoadFromParams("R", "RL=pcb|RVC=2|RY1=1"));
  EXPECT_EQ(top.ErrorCount(), 1) << "generic layer names need no layer";
}

TEST_F(SpecctraAbstractGeometryShapeTest, ShapesWithoutVerticesStoreOnlyTheirLayerAndWidth) {
  TShapeTestTop top;
  TSpecctraPolyLineShape path(&top);
  path.SetLayerName("TOP");
  std::string params;
  path.StoreToParams("Q", params);
  EXPECT_EQ(params, "QL=TOP|QAR=0");
  EXPECT_TRUE(top.HasLine("ERROR: Invalid shape Polyline Shape, no vertexes defined."));
}
