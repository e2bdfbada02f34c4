// Wires read from a wiring section and written into a routed net.
#include <gtest/gtest.h>

#include <stdexcept>

#include "model/geometry/ShapeTestSupport.h"
#include "model/geometry/SpecctraPolyLineShape.h"
#include "model/library/SpecctraViaInstance.h"
#include "model/wiring/SpecctraWire.h"
#include "rtl/TranslationState.h"

namespace {

struct TParsedWire {
  std::unique_ptr<TShapeTestTop> Top;
  std::unique_ptr<TSpecctraWire> Wire;
  bool Result = false;
  std::string Next;
};

TParsedWire ParseWire(const std::string& text) {
  TParsedWire parsed;
  parsed.Top = std::make_unique<TShapeTestTop>(text + " NEXT");
  parsed.Top->EnterBlock();
  parsed.Wire = std::make_unique<TSpecctraWire>(parsed.Top.get());
  parsed.Result = parsed.Wire->LoadFromFile();
  parsed.Top->Lexer().NextToken();
  parsed.Next = parsed.Top->Lexer().TokenText();
  return parsed;
}

}  // namespace

TEST(SpecctraWire, ReadsEveryStatement) {
  const TParsedWire parsed = ParseWire(
      "(wire (path TOP 10 0 0 100 0) (window (rect TOP 1 1 2 2)) (net 'Sig(1)') (shield GND) "
      "(supply) (type protect) (turret 127) (attr fanout) (connect (terminal pin U1-1) (terminal via)))");
  ASSERT_TRUE(parsed.Result) << ::testing::PrintToString(parsed.Top->Lines());
  EXPECT_EQ(parsed.Next, "NEXT");
  TSpecctraWire& wire = *parsed.Wire;
  ASSERT_NE(wire.PrimaryShape(), nullptr);
  EXPECT_EQ(wire.PrimaryShape()->Kind(), ePolyLine_Shape);
  ASSERT_NE(wire.Windows(), nullptr);
  EXPECT_EQ(wire.Windows()->Count(), 1);
  EXPECT_EQ(wire.NetName(), "Sig(1)");
  ASSERT_NE(wire.Connection(), nullptr) << "the connect statement is read, not skipped";
  EXPECT_EQ(wire.ShieldNet(), "GND");
  EXPECT_TRUE(wire.Supply());
  EXPECT_EQ(wire.Type(), wtProtect);
  EXPECT_FALSE(wire.ShapesRouted()) << "protected copper is kept from the router";
  EXPECT_EQ(wire.Turret(), 127);
}

TEST(SpecctraWire, WireTypesDecideWhetherTheRouterMayMoveTheCopper) {
  const std::pair<const char*, bool> cases[] = {
      {"", true}, {"(type normal)", true}, {"(type fix)", false}, {"(type route)", false},
      {"(type protect)", false}};
  for (const auto& [type, routed] : cases) {
    SCOPED_TRACE(type);
    const TParsedWire parsed = ParseWire(std::string("(wire (path TOP 1 0 0 1 1) ") + type + ")");
    ASSERT_TRUE(parsed.Result);
    EXPECT_EQ(parsed.Wire->ShapesRouted(), routed);
  }
}

TEST(SpecctraWire, TurretsOutsideTheRangeEndTheImport) {
  for (const char* turret : {"0", "128", "-2", "x"}) {
    SCOPED_TRACE(turret);
    EXPECT_THROW(ParseWire(std::string("(wire (turret ") + turret + "))"), std::range_error);
  }
  try {
    ParseWire("(wire (turret 128))");
  } catch (const std::range_error& error) {
    EXPECT_STREQ(error.what(), "128 is not within the valid range of 1..127");
  }
  EXPECT_TRUE(ParseWire("(wire (turret 1))").Result);
}

TEST(SpecctraWire, UnknownValuesFailAndKeepTheBlockDepth) {
  for (const char* text : {"(wire (path TOP 1 0 0 1 1) (type other))", "(wire (attr test))",
                           "(wire (net))"}) {
    SCOPED_TRACE(text);
    const TParsedWire parsed = ParseWire(text);
    EXPECT_FALSE(parsed.Result);
    EXPECT_EQ(parsed.Next, "NEXT");
  }
  // A statement or a word the wire does not know is reported and passed over.
  for (const char* text :
       {"(wire (something 1))", "(wire (path TOP 1 0 0 1 1) (net A 1) (x (y)))"}) {
    SCOPED_TRACE(text);
    const TParsedWire parsed = ParseWire(text);
    EXPECT_TRUE(parsed.Result);
    EXPECT_EQ(parsed.Next, "NEXT");
  }
}

TEST(SpecctraWire, WritesItsPathAndTypesOtherThanNormal) {
  ResetTranslationState();
  for (const auto& [type, line] :
       {std::pair{wtNone, ""}, std::pair{wtNormal, ""}, std::pair{wtRoute, "(type route)\r\n"},
        std::pair{wtProtect, "(type protect)\r\n"}}) {
    SCOPED_TRACE(static_cast<int>(type));
    TShapeTestTop top;
    TSpecctraWire wire(&top);
    auto path = std::make_unique<TSpecctraPolyLineShape>(&wire);
    path->SetLayerName("TOP");
    path->SetWidth(10);
    wire.AddShape(std::move(path));
    wire.AddWireVertex(0, 0);
    wire.AddWireVertex(100, 50);
    wire.SetType(type);
    wire.ExportToFile();
    EXPECT_EQ(top.Written(), std::string("(wire (path TOP 10\r\n      0 0 \r\n      100 50 \r\n"
                                         "      )\r\n") +
                                 (*line ? "      " + std::string(line) : "") + ")\r\n");
  }
}
