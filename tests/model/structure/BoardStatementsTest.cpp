// Grids, control switches, bond sites, test points and the statements kept unread, read from
// small blocks without a board.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/structure/FloorPlan.h"
#include "model/structure/SpecctraBondSite.h"
#include "model/structure/SpecctraControl.h"
#include "model/structure/SpecctraGrid.h"
#include "model/structure/SpecctraTestPoint.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// A design over the text; objects under test are loaded as the design's children, after the
// keyword that the text starts behind. The text ends with "(after)".
class TStatementText {
public:
  explicit TStatementText(const std::string& text)
      : FParser(std::make_unique<TInputFile>("s.dsn", text + " (after)")),
        FDesign(0, &FParser, "s.dsn") {
    RegisterKeywords(FParser);
  }
  TSpecctraDesign& Design() { return FDesign; }
  // Reads the keyword that the text starts with, as the owner would.
  void ReadKeyword() { FParser.NextToken(); }
  // The rest of the input starts with the statement after the one loaded.
  bool AtNextStatement() {
    return FParser.NextToken() == tkOpenParen && FParser.NextTokenText() == "AFTER";
  }
  bool HasLine(const std::string& line) {
    const auto& lines = FDesign.ReportManager().Lines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
  }
  int32_t Errors() { return FDesign.ReportManager().ErrorCount(); }

private:
  TSpecctraParser FParser;
  TSpecctraDesign FDesign;
};

// A structure's grids loaded from "(grid ...)" statements.
std::unique_ptr<TSpecctraGridCollection> Grids(TStatementText& text, int count) {
  auto grids = std::make_unique<TSpecctraGridCollection>(&text.Design());
  for (int i = 0; i < count; ++i) {
    text.ReadKeyword();  // (
    text.ReadKeyword();  // grid
    grids->LoadGrid();
  }
  return grids;
}

}  // namespace

TEST(GridStatements, FormsDirectionsAndOffsets) {
  const struct {
    const char* Text;
    bool Loads;
    uint8_t Kind;
    double Step;
    uint8_t Direction;
    double Offset;
  } cases[] = {
      {"via 5)", true, eGrid_Via, 5, eGridDirection_Both, 0},
      {"wire 2.5 (direction y) (offset 1))", true, eGrid_Wire, 2.5, eGridDirection_Y, 1},
      {"snap 4 (offset 0.5) (direction x))", true, eGrid_Snap, 4, eGridDirection_X, 0.5},
      {"snap 4 (direction diagonal))", true, eGrid_Snap, 4, eGridDirection_Both, 0},
      {"place 50 (image_type smd) (direction y))", true, eGrid_Place, 50, eGridDirection_Y, 0},
      {"place 50 (image_type pad))", false, eGrid_Place, 50, eGridDirection_Both, 0},
      {"via 5 (image_type smd))", false, eGrid_Via, 5, eGridDirection_Both, 0},
      {"wire fine (direction x))", false, eGrid_Wire, 0, eGridDirection_Both, 0},
      {"via (5))", false, eGrid_Via, 0, eGridDirection_Both, 0},
      {"via_keepout 5 (direction x))", true, eGrid_ViaKeepout, 0, eGridDirection_Both, 0},
      {"routing 5 (x))", true, eGrid_Other, 0, eGridDirection_Both, 0},
      {")", true, eGrid_Other, 0, eGridDirection_Both, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TStatementText text(c.Text);
    TSpecctraGrid grid(&text.Design());
    EXPECT_EQ(grid.LoadFromFile(), c.Loads);
    EXPECT_EQ(grid.Kind(), c.Kind);
    EXPECT_EQ(grid.Step(), c.Step);
    EXPECT_EQ(grid.Direction(), c.Direction);
    EXPECT_EQ(grid.Offset(), c.Offset);
    EXPECT_TRUE(text.AtNextStatement()) << "the grid's block is read to its end";
  }
}

TEST(GridStatements, FindGridPrefersTheDirectionThenTheLastGridForBoth) {
  TStatementText text(
      "(grid via 5) (grid wire 5 (direction y)) (grid snap 1 (direction x)) (grid snap 2)"
      " (grid snap 3) (grid snap 4 (direction x)) (grid via_keepout 9) (grid wire oops)");
  const auto grids = Grids(text, 8);
  EXPECT_EQ(grids->Grids().Count(), 7) << "a grid that fails is not kept";
  const struct {
    uint8_t Kind;
    uint8_t Direction;
    double Step;  // 0: none found
  } cases[] = {
      {eGrid_Via, eGridDirection_X, 5},  {eGrid_Via, eGridDirection_Y, 5},
      {eGrid_Wire, eGridDirection_X, 0}, {eGrid_Wire, eGridDirection_Y, 5},
      {eGrid_Snap, eGridDirection_X, 1}, {eGrid_Snap, eGridDirection_Y, 3},
      {eGrid_Place, eGridDirection_X, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << int(c.Kind) << "/" << int(c.Direction));
    const TSpecctraGrid* grid = grids->FindGrid(c.Kind, c.Direction);
    EXPECT_EQ(grid ? grid->Step() : 0, c.Step);
  }
}

TEST(ControlStatement, SwitchesKeepTheirInitialValuesUnlessSet) {
  TStatementText text(
      "(off_grid off) (microvia on) on (via_at_smd on (x 1)) (noise_accumulation rss)"
      " (crosstalk_model cct1a) (noise_calculation linear_interpolation))");
  TSpecctraControlDescriptor control(&text.Design());
  EXPECT_TRUE(control.LoadFromFile());
  std::vector<int> switches;
  for (int i = 0; i < eControl_SwitchCount; ++i)
    switches.push_back(control.Switch(static_cast<TSpecctraControlSwitch>(i)));
  EXPECT_EQ(switches, (std::vector<int>{0, 1, 0, 0, 1, 0, 0, 0, 0, 1, 1, 0, 1, 0}))
      << "the stray 'on' sets microvia again; nothing before a switch";
  EXPECT_TRUE(text.HasLine("WARNING: Skipped block between lines: 1-1, from keyword: VIA_AT_SMD"));
  EXPECT_TRUE(text.AtNextStatement());

  TStatementText early("on (crosstalk_model cct2) (same_net_checking on))");
  TSpecctraControlDescriptor second(&early.Design());
  EXPECT_FALSE(second.LoadFromFile()) << "an unknown model word is unexpected";
  EXPECT_EQ(second.Switch(eControl_OffGrid), 1) << "an on before any switch changes nothing";
  EXPECT_EQ(second.Switch(eControl_SameNetChecking), 1);
  EXPECT_TRUE(early.AtNextStatement());
}

TEST(BondSites, ShapesAndDeviations) {
  const struct {
    const char* Text;
    bool Loads;
    uint8_t Side;
  } cases[] = {
      {"U1-1 PAD 10 20.5 back)", true, 1},
      {"U1-1 PAD 10 20.5 front)", true, 0},
      {"U1-1 PAD 10 20.5)", true, 0},
      {"U1-1 PAD 10 20.5 top)", false, 0},
      {"U1-1 PAD 10 20.5 back (rotate 90))", false, 1},
      {"U1-1 PAD ten 20.5)", false, 0},
      {"U1-1 (PAD) 10 20)", false, 0},
      {"U1-1)", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TStatementText text(c.Text);
    TSpecctraBondSite bond(&text.Design());
    EXPECT_EQ(bond.LoadFromFile(), c.Loads);
    EXPECT_EQ(bond.Side(), c.Side);
    if (c.Loads) {
      EXPECT_EQ(bond.FirstName(), "U1-1");
      EXPECT_EQ(bond.SecondName(), "PAD");
      EXPECT_EQ(bond.Position().X, 10);
      EXPECT_EQ(bond.Position().Y, 20.5);
    } else {
      EXPECT_GE(text.Errors(), 1);
    }
    EXPECT_TRUE(text.AtNextStatement());
  }
}

TEST(TestPoints, ParsedPointsKeepSideNetTypeAndPosition) {
  const struct {
    const char* Text;
    bool Loads;
    uint8_t Side;
    double X, Y;
    const char* Net;
    uint8_t Type;
  } cases[] = {
      {"back 10 -20 (net GND) (type protect))", true, eSide_Back, 10, -20, "GND", eTestPoint_Protect},
      {"5 6 front (type route) (net 'A B'))", true, eSide_Front, 5, 6, "A B", eTestPoint_Route},
      {"5 6 (type normal))", true, eSide_Front, 5, 6, "", eTestPoint_Normal},
      {"5 6 (type hard))", false, eSide_Front, 5, 6, "", eTestPoint_None},
      {"x 6)", false, eSide_Front, 0, 6, "", eTestPoint_None},
      {"5 6 7)", false, eSide_Front, 5, 6, "", eTestPoint_None},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Text);
    TStatementText text(c.Text);
    TSpecctraTestPoint point(&text.Design());
    EXPECT_EQ(point.LoadFromFile(), c.Loads);
    EXPECT_EQ(point.Side(), c.Side);
    EXPECT_EQ(point.Position().X, c.X);
    EXPECT_EQ(point.Position().Y, c.Y);
    EXPECT_EQ(point.NetName(), c.Net);
    EXPECT_EQ(point.Type(), c.Type);
    EXPECT_TRUE(text.AtNextStatement());
  }
}

TEST(KeptStatements, FloorPlanAndLibraryPairsSkipTheirBlocks) {
  TStatementText family("family_family (a b)\n (c d))");
  family.ReadKeyword();
  TSpecctraFamilyToFamily pair(&family.Design());
  EXPECT_TRUE(pair.LoadFromFile());
  EXPECT_TRUE(pair.ExportToPcb());
  EXPECT_TRUE(family.AtNextStatement());
  EXPECT_TRUE(
      family.HasLine("WARNING: Skipped block between lines: 1-2, from keyword: FAMILY_FAMILY"));

  TStatementText image("image_image (a b))");
  image.ReadKeyword();
  TSpecctraImageToImage images(&image.Design());
  EXPECT_TRUE(images.LoadFromFile());
  EXPECT_TRUE(image.AtNextStatement());

  TStatementText design("(pcb d (floor_plan (cluster A (x 1))) (unit mm))");
  design.Design().LoadFromFile();
  EXPECT_TRUE(
      design.HasLine("WARNING: Skipped block between lines: 1-1, from keyword: FLOOR_PLAN"));
  EXPECT_EQ(design.Errors(), 0);
  EXPECT_EQ(design.Design().UnitKind(), uMm) << "the statement after the floor plan is read";
}
