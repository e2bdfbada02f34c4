#include <gtest/gtest.h>

#include "model/geometry/ShapeTestSupport.h"
#include "model/geometry/SpecctraCircleShape.h"
#include "model/geometry/SpecctraCombinedShape.h"
#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/geometry/SpecctraQArcShape.h"
#include "rtl/TranslationState.h"

namespace {

using TPoints = std::vector<TVertex>;

// Parses one shape block through a combined shape, the way owners do.
struct TParsedShape {
  explicit TParsedShape(const std::string& text) : top(text + " (next)"), owner(&top) {
    top.EnterBlock();
    loaded = owner.ParseShape();
  }
  TSpecctraAbstractGeometryShape* Shape() { return owner.PrimaryShape(); }
  // The shape's block was read exactly: the next block follows.
  bool NextBlockFollows() {
    if (top.Lexer().NextToken() != tkOpenParen) return false;
    top.Lexer().NextToken();
    return top.Lexer().TokenText() == "NEXT";
  }
  TShapeTestTop top;
  TSpecctraCombinedShape owner;
  bool loaded = false;
};

void ExpectPoints(const TSpecctraAbstractGeometryShape& shape, const TPoints& expected) {
  ASSERT_EQ(shape.Vertices().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(shape.Vertices()[i].X, expected[i].X) << "vertex " << i;
    EXPECT_EQ(shape.Vertices()[i].Y, expected[i].Y) << "vertex " << i;
  }
}

class SpecctraShapeParsingTest : public ::testing::Test {
protected:
  void SetUp() override { ResetTranslationState(); }
  void TearDown() override { ResetTranslationState(); }
};

}  // namespace

TEST_F(SpecctraShapeParsingTest, ShapesReadTheirNumbersAndTheirOptions) {
  struct Case {
    const char* text;
    TSpecctraShapeKind kind;
    const char* layer;
    TPoints points;
    double width;  // diameter of circles
    bool square;
  };
  const Case cases[] = {
      {"(rect signal 10 0 0 20)", eRect_Shape, "SIGNAL", {{0, 0}, {10, 20}}, 0, false},
      {"(rect PCB 5 -5 -1 1)", eRect_Shape, "PCB", {{-1, -5}, {5, 1}}, 0, false},
      {"(circle signal 25)", eCircle_Shape, "SIGNAL", {{0, 0}}, 25, false},
      {"(circ top 25 3 4)", eCircle_Shape, "TOP", {{3, 4}}, 25, false},
      {"(qarc l1 2 10 0 0 10 0 0)", eQArc_Shape, "L1", {{10, 0}, {0, 10}, {0, 0}}, 2, false},
      {"(path signal 1 0 0 10 0 10 10)", ePolyLine_Shape, "SIGNAL", {{0, 0}, {10, 0}, {10, 10}}, 1,
       false},
      {"(path signal 1 0 0 10 0 (aperture_type square))", ePolyLine_Shape, "SIGNAL",
       {{0, 0}, {10, 0}}, 1, true},
      {"(path s 1 0 0 (aperture_type round) (ViaPop 1) (WirePlow x) (other (deep 1)))",
       ePolyLine_Shape, "S", {{0, 0}}, 1, false},
      {"(path signal 0)", ePolyLine_Shape, "SIGNAL", {}, 0, false},
      {"(polygon signal 0 0 0 10 0 10 10 0 0)", eFilledPoly_Shape, "SIGNAL",
       {{0, 0}, {10, 0}, {10, 10}, {0, 0}}, 0, false},
      {"(poly signal 0 0 0 10 0 10 10)", eFilledPoly_Shape, "SIGNAL",
       {{0, 0}, {10, 0}, {10, 10}, {0, 0}}, 0, false},
      {"(polygon 'inner 1' 2.5 1e1 0 0 0)", eFilledPoly_Shape, "inner 1", {{10, 0}, {0, 0}, {10, 0}},
       2.5, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TParsedShape parsed(c.text);
    ASSERT_TRUE(parsed.loaded);
    TSpecctraAbstractGeometryShape& shape = *parsed.Shape();
    EXPECT_EQ(shape.Kind(), c.kind);
    EXPECT_EQ(shape.LayerName(), c.layer);
    ExpectPoints(shape, c.points);
    if (auto* line = dynamic_cast<TSpecctraPolyLineShape*>(&shape)) {
      EXPECT_EQ(line->Width(), c.width);
      EXPECT_EQ(line->SquareAperture(), c.square);
    } else if (auto* circle = dynamic_cast<TSpecctraCircleShape*>(&shape)) {
      EXPECT_EQ(circle->Diameter(), c.width);
    } else if (auto* arc = dynamic_cast<TSpecctraQArcShape*>(&shape)) {
      EXPECT_EQ(arc->Width(), c.width);
    }
    EXPECT_TRUE(parsed.NextBlockFollows());
    EXPECT_EQ(parsed.top.ErrorCount(), 0);
  }
}

TEST_F(SpecctraShapeParsingTest, BadShapesFailWithAReportAndEndAtTheirOwnBlock) {
  struct Case {
    const char* text;
    const char* error;
  };
  const Case cases[] = {
      {"(rect signal 1 2 3)", "ERROR: Floating point value expected <)> in line 1."},
      {"(rect signal 1 2 3 4 5)", "ERROR: Unexpected token <5> in line 1"},
      {"(rect signal 1 (2) 3 4)", "ERROR: Floating point value expected <(> in line 1."},
      {"(rect)", "ERROR: Unexpected token <)> in line 1"},
      {"(circle (signal) 10)", "ERROR: Unexpected token <(> in line 1"},
      {"(circle signal)", "ERROR: Floating point value expected <)> in line 1."},
      {"(circle signal 10 (1 2))", "ERROR: Unexpected token <(> in line 1"},
      {"(circle signal 10 1)", "ERROR: Floating point value expected <)> in line 1."},
      {"(qarc signal 1 0 0 1 1)", "ERROR: Floating point value expected <)> in line 1."},
      {"(path signal 1 0 0 10)", "ERROR: Floating point value expected <)> in line 1."},
      {"(path signal 1 0 0 (aperture_type hexagon))", "ERROR: Unexpected token <HEXAGON> in line 1"},
      {"(polygon signal 1 0 0 (aperture_type))", "ERROR: Unexpected token <)> in line 1"},
      {"(arc signal 1 0 0 1 1)", "ERROR: Unexpected token <ARC> in line 1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    TParsedShape parsed(c.text);
    EXPECT_FALSE(parsed.loaded);
    EXPECT_EQ(parsed.owner.Shapes().Count(), 0) << "a failed shape is dropped";
    EXPECT_TRUE(parsed.top.HasLine(c.error));
    EXPECT_TRUE(parsed.NextBlockFollows());
  }
}

TEST_F(SpecctraShapeParsingTest, NonNumericCoordinatesAreReportedAndReadAsZero) {
  TParsedShape parsed("(rect signal 10 x 20 30)");
  ASSERT_TRUE(parsed.loaded);
  ExpectPoints(*parsed.Shape(), {{10, 0}, {20, 30}});
  EXPECT_TRUE(parsed.top.HasLine("ERROR: Floating point value expected <X> in line 1."));
  EXPECT_TRUE(parsed.NextBlockFollows());
}

TEST_F(SpecctraShapeParsingTest, EveryTruncatedShapeEndsCleanly) {
  const std::string texts[] = {
      "(polygon signal 0 0 0 10 0 (aperture_type square) (ViaPop x))",
      "(circle signal 10 1 2)",
      "(qarc signal 1 0 0 1 1 0 1)",
      "(rect signal 1 2 3 4)",
  };
  for (const std::string& text : texts) {
    for (std::size_t length = 1; length < text.size(); ++length) {
      SCOPED_TRACE(text.substr(0, length));
      TShapeTestTop top(text.substr(0, length));
      TSpecctraCombinedShape owner(&top);
      top.EnterBlock();
      owner.ParseShape();
      EXPECT_TRUE(top.Lexer().EndOfInput());
    }
  }
}

TEST_F(SpecctraShapeParsingTest, WindowsHoldShapesApartFromThePrimaryShape) {
  TShapeTestTop top("(window (rect signal 0 0 1 1)) (window rect) (window (blob 1 (x))) (next)");
  TSpecctraCombinedShape owner(&top);
  owner.AddShape(std::make_unique<TSpecctraCircleShape>(&owner));
  TSpecctraParser& lexer = top.Lexer();
  const int32_t depth = owner.BlockDepth();
  for (const bool loads : {true, false, false}) {
    SCOPED_TRACE(lexer.Line());
    lexer.NextToken();
    owner.HandleToken();  // the owner's loop counts the window's parenthesis
    lexer.NextToken();
    EXPECT_EQ(owner.ParseWindow(), loads);
    // The window's closing parenthesis is the owner's to read, unless a bad window took it.
    if (owner.BlockDepth() > depth) {
      EXPECT_EQ(lexer.NextToken(), tkCloseParen);
      owner.HandleToken();
    }
    EXPECT_EQ(owner.BlockDepth(), depth);
  }
  EXPECT_EQ(lexer.NextToken(), tkOpenParen);
  EXPECT_EQ((lexer.NextToken(), lexer.TokenText()), "NEXT");
  ASSERT_NE(owner.Windows(), nullptr);
  EXPECT_EQ(owner.Windows()->Count(), 1);
  EXPECT_EQ(owner.PrimaryShape()->Kind(), eCircle_Shape);
  EXPECT_TRUE(top.HasLine("ERROR: Unexpected token <BLOB> in line 1"));
}
