// Vias and routing via styles through the library's padstacks, on a stand-in board: the design
// import makes host vias and styles from the padstacks, the routes export finds the padstack
// that fits each host via again among the padstacks the import stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/base/BoardHelpers.h"
#include "model/files/SpecctraDesign.h"
#include "model/files/SpecctraRoutes.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbRules.h"
#include "rtl/PcbVia.h"
#include "rtl/RuleConstraints.h"
#include "rtl/ServerRoundTripSupport.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

constexpr int32_t kMil = 10000;

struct THostVia {
  int32_t X;
  PcbLayerNumber Start, End;
  int32_t Diameter;
  std::string Net;
  bool Routed;
};

class ViaPadstacksOnBoard : public TServerRoundTrip {
protected:
  void SetUp() override {
    TServerRoundTrip::SetUp();
    ResetTranslationState();
  }
  void TearDown() override {
    ResetTranslationState();
    TServerRoundTrip::TearDown();
  }

  std::vector<std::string> Import(const std::string& text) {
    TSpecctraParser parser(std::make_unique<TInputFile>("v.dsn", text));
    RegisterKeywords(parser);
    TSpecctraDesign design(Board, &parser, "v.dsn");
    EXPECT_TRUE(design.LoadFromFile());
    EXPECT_TRUE(design.ExportToPcb());
    return design.ReportManager().Lines();
  }
  std::string ExportRoutes(std::vector<std::string>& report) {
    ResetTranslationState();
    TranslationState().ImportingDesign = false;
    TranslationState().TranslationMode = 3;
    TSpecctraWriter writer("v.rte");
    TSpecctraRoutes routes(Board, &writer, "v.rte");
    EXPECT_TRUE(routes.ImportFromPcb());
    EXPECT_TRUE(routes.ExportToFile());
    report = routes.ReportManager().Lines();
    return writer.Buffer();
  }
  std::vector<THostVia> HostVias() const {
    std::vector<THostVia> vias;
    ForEachPcbObject(Board, kPcbObjectVia, [&](PcbHandle handle) {
      TPcbVia via(handle);
      via.Update(kPcbMessageRead);
      vias.push_back({via.GetX(), via.GetStartLayer(), via.GetEndLayer(), via.GetDiameter(),
                      via.GetNet() ? HostNetName(via.GetNet()) : "", via.GetRoutedState() != 0});
    });
    return vias;
  }
  // Name -> preferred via size, preferred hole size of every routing via style.
  std::map<std::string, std::pair<int32_t, int32_t>> ViaStyles() const {
    std::map<std::string, std::pair<int32_t, int32_t>> styles;
    ForEachPcbObject(Board, kPcbObjectRule, [&](PcbHandle handle) {
      TPcbRuleEx rule(handle);
      rule.Update(kPcbMessageRead);
      if (rule.GetRuleKind() != kRuleRoutingVias) return;
      PcbRoutingViaStyleRuleRecord style{};
      QueryRuleConstraint(kPcbMessageRead, handle, style);
      EXPECT_EQ(style.minimumViaSize, style.preferredViaSize);
      EXPECT_EQ(style.maximumHoleSize, style.preferredHoleSize);
      styles[rule.GetName()] = {style.preferredViaSize, style.preferredHoleSize};
    });
    return styles;
  }
};

const std::string kDesign =
    "(pcb d (unit mil)"
    " (structure (layer TOP (type signal)) (layer PWR1 (type power) (use_net GND))"
    "  (layer BOT (type signal)) (boundary (rect pcb 2000 2000 90000 90000))"
    "  (via V20 V36 NOVIA (spare VSP)))"
    " (library (padstack V20 (shape (circle TOP 20)) (shape (circle BOT 20)))"
    "  (padstack V36 (shape (circle TOP 36)) (shape (circle BOT 36)))"
    "  (padstack VSP (shape (circle TOP 30)) (shape (circle BOT 30)))"
    "  (padstack PAD (shape (circle TOP 30)) (shape (circle BOT 30))))"
    " (network (net GND (pins U1-1)))"
    " (wiring (via V20 3000 3000 (net GND) (via_number 5) (type fix))"
    "  (via VSP 4000 3000 (net GND))"
    "  (via VSP 5000 3000 (net GND) (via_number 7))"
    "  (via PAD 6000 3000 (net GND))"
    "  (via V36 7000 3000 (net NOSUCH))))";

}  // namespace

TEST_F(ViaPadstacksOnBoard, ViasAndStylesComeFromThePadstacks) {
  // A style the board had before the import is replaced.
  const PcbHandle old = CreatePcbRuleObject(kRuleRoutingVias);
  ASSERT_EQ(AddPcbObjectToContainer(Board, old), kPcbOk);
  ASSERT_EQ(ViaStyles().size(), 1u);
  const std::vector<std::string> report = Import(kDesign);

  const std::vector<THostVia> vias = HostVias();
  ASSERT_EQ(vias.size(), 3u) << "the spare padstack without number and the pad make none";
  EXPECT_EQ(vias[0].X, 30000000);
  EXPECT_EQ(vias[0].Diameter, 20 * kMil);
  EXPECT_EQ(vias[0].Start, kTopLayer);
  EXPECT_EQ(vias[0].End, kBottomLayer);
  EXPECT_EQ(vias[0].Net, "GND");
  EXPECT_FALSE(vias[0].Routed) << "fixed";
  EXPECT_EQ(vias[1].X, 50000000) << "a spare padstack with a via number";
  EXPECT_EQ(vias[1].Diameter, 30 * kMil);
  EXPECT_TRUE(vias[1].Routed);
  EXPECT_EQ(vias[2].Diameter, 36 * kMil);
  EXPECT_EQ(vias[2].Net, "");

  EXPECT_NE(std::find(report.begin(), report.end(),
                      "WARNING: Invalid padstack reference VSP in via at position (40000000, "
                      "30000000), skipped via translation."),
            report.end());
  EXPECT_NE(std::find(report.begin(), report.end(),
                      "ERROR: Invalid padstack reference returned for: NOVIA, while tryng to "
                      "create board level routing via styles."),
            report.end());
  EXPECT_EQ(ViaStyles(), (std::map<std::string, std::pair<int32_t, int32_t>>{
                             {"PCB Via style V20", {20 * kMil, 10 * kMil}},
                             {"PCB Via style V36", {36 * kMil, 18 * kMil}}}));

  // The routes file: the padstack that fits each host via, its number, its plane contacts.
  std::vector<std::string> routesReport;
  const std::string text = ExportRoutes(routesReport);
  EXPECT_NE(text.find("(via V20 7620000 7620000 (via_number 5)(contact  PWR1))"), std::string::npos)
      << text;
  EXPECT_NE(text.find("(via VSP 12700000 7620000 (via_number 7)(contact  PWR1))"),
            std::string::npos)
      << "spare padstacks for numbered vias";
  EXPECT_EQ(text.find("(via V36"), std::string::npos) << "a via without net is in no net";
  EXPECT_TRUE(routesReport.empty() ||
              std::none_of(routesReport.begin(), routesReport.end(), [](const std::string& line) {
                return line.starts_with("ERROR");
              }))
      << ::testing::PrintToString(routesReport);
}

TEST_F(ViaPadstacksOnBoard, ABoardKeepsItsStylesWhenNoListedPadstackMakesOne) {
  const PcbHandle old = CreatePcbRuleObject(kRuleRoutingVias);
  ASSERT_EQ(AddPcbObjectToContainer(Board, old), kPcbOk);
  Import("(pcb d (unit mil) (library) (structure (layer TOP) (via NOVIA PAD (spare VSP))))");
  EXPECT_EQ(ViaStyles().size(), 1u);
}
