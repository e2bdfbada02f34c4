// The members of a design's wiring section besides wires and vias: bond sites and test points
// are read and kept, other statements of the test points block are reported.
#include <gtest/gtest.h>

#include <memory>

#include "model/files/SpecctraDesign.h"
#include "model/structure/SpecctraBondSite.h"
#include "model/structure/SpecctraTestPoint.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

namespace {

struct TWiringFromText {
  explicit TWiringFromText(const std::string& wiring)
      : parser(std::make_unique<TInputFile>("w.dsn", "(pcb w (unit mil) (wiring " + wiring +
                                                         ") (placement))")),
        design(0, &parser, "w.dsn") {
    ResetTranslationState();
    RegisterKeywords(parser);
    loaded = design.LoadFromFile();
  }
  TSpecctraDSNWiringDescriptor& Wiring() { return *design.Wiring(); }
  TSpecctraParser parser;
  TSpecctraDesign design;
  bool loaded = false;
};

}  // namespace

TEST(DsnWiringDescriptor, KeepsBondSitesAndTestPoints) {
  TWiringFromText text(
      "(bond U1-1 B1 10 20 front) "
      "(test_points (point front 100 200 (net GND) (type protect)) (point back 5 6 (net A)))");
  EXPECT_TRUE(text.loaded) << ::testing::PrintToString(text.design.ReportManager().Lines());
  ASSERT_NE(text.Wiring().BondSites(), nullptr);
  ASSERT_EQ(text.Wiring().BondSites()->Count(), 1);
  ASSERT_EQ(text.Wiring().TestPoints().Count(), 2);
  const auto* point = dynamic_cast<TSpecctraTestPoint*>(text.Wiring().TestPoints().ObjectAt(0));
  ASSERT_NE(point, nullptr);
  EXPECT_EQ(point->NetName(), "GND");
  EXPECT_EQ(point->Position().X, 100);
  EXPECT_EQ(point->Position().Y, 200);
  EXPECT_EQ(text.design.ReportManager().WarningCount(), 0) << "nothing is skipped";
}

TEST(DsnWiringDescriptor, OtherStatementsOfTheTestPointsAreReportedAndPassedOver) {
  TWiringFromText text("(test_points (pin U1) stray (point front 1 2 (net A))) (bond U1-1 B 1 2)");
  EXPECT_EQ(text.design.ReportManager().ErrorCount(), 2)
      << ::testing::PrintToString(text.design.ReportManager().Lines());
  EXPECT_EQ(text.Wiring().TestPoints().Count(), 1) << "the point after them is still read";
  ASSERT_NE(text.Wiring().BondSites(), nullptr);
  EXPECT_EQ(text.Wiring().BondSites()->Count(), 1) << "the section goes on after the block";
}
