// The grammars of the rule statements: what each keeps, which forms fail, and that a failed
// statement never costs the statements after it.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "model/rules/CircuitDescriptor.h"
#include "model/rules/RouteOrderRule.h"
#include "model/rules/SegmentRules.h"
#include "model/rules/SingleValueRules.h"
#include "model/rules/TestpointRule.h"
#include "model/rules/TimingRule.h"
#include "model/rules/ViaAtSmdRule.h"
#include "model/rules/ViaStyleSource.h"
#include "model/rules/RuleTestSupport.h"

namespace {

// One statement inside a net's rule block, followed by a rule the block must still read.
struct TStatementText : TRuleText {
  explicit TStatementText(const std::string& statement)
      : TRuleText("(rule " + statement + " (max_stub 7)) (rule (max_total_vias 3)))") {
    Loaded = LoadOwner(TRuleOwnerKind::Net, "N");
    PlaceKept = Owner().BlockDepth() == 0 && OfKind(eMaxStub_Rule).size() == 1 &&
                OfKind(eMaxTotalVias_Rule).size() == 1;
  }
  bool Loaded = false;
  bool PlaceKept = false;
};

template <class Rule>
Rule* Only(TStatementText& text, TSpecctraRuleKind kind) {
  const auto rules = text.OfKind<Rule>(kind);
  return rules.size() == 1 ? rules[0] : nullptr;
}

}  // namespace

TEST(RuleStatements, SingleValuesNeedExactlyOneNumber) {
  struct TCase {
    std::string Statement;
    bool Ok;
  };
  const TCase cases[] = {
      {"(width 10)", true},     {"(width 2.5e1)", true}, {"(width)", false},
      {"(width abc)", false},   {"(width 10 20)", false}, {"(width (x 1))", false},
      {"(width 1 (x) 2)", false},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Statement);
    TStatementText text(c.Statement);
    EXPECT_EQ(text.Loaded, c.Ok);
    EXPECT_TRUE(text.PlaceKept);
    auto* width = Only<TSpecctraWidthRule>(text, eWidth_Rule);
    EXPECT_EQ(width != nullptr, c.Ok) << "only a statement that parsed is kept";
    if (width) {
      EXPECT_EQ(width->Width(), c.Statement == "(width 10)" ? 10 : 25);
    }
    EXPECT_EQ(text.Errors() > 0, !c.Ok);
  }
  TStatementText vias("(max_total_vias 2.5)");
  EXPECT_FALSE(vias.Loaded) << "an integer is needed";
  TStatementText stub("(max_stub 0.25)");
  EXPECT_EQ(stub.OfKind<TSpecctraStubLengthRule>(eMaxStub_Rule)[0]->MaxStubLength(), 0.25);
}

TEST(RuleStatements, SegmentRulesReadWithOrWithoutTheLeadingOn) {
  struct TCase {
    std::string Statement;
    bool Ok;
    double Gap;
    double Limit;
  };
  const TCase cases[] = {
      {"(parallel_segment on (gap 5) (limit 10))", true, 5, 10},
      {"(parallel_segment (gap 5) (limit 10))", true, 5, 10},
      {"(parallel_segment (limit 10) (gap 5))", true, 5, 10},
      {"(tandem_segment (gap 2) (limit 3))", true, 2, 3},
      {"(parallel_segment on (gap 0) (limit 0))", true, 0, 0},
      {"(parallel_segment off)", false, 0, 0},
      {"(parallel_segment off (gap 5) (limit 10))", false, 5, 10},
      {"(parallel_segment on (gap) (limit 10))", false, 0, 10},
      {"(parallel_segment on (width 1))", false, 0, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Statement);
    TStatementText text(c.Statement);
    EXPECT_EQ(text.Loaded, c.Ok);
    EXPECT_TRUE(text.PlaceKept);
    const bool tandem = c.Statement.find("tandem") != std::string::npos;
    const TSpecctraRuleKind kind = tandem ? eTandemSegment_Rule : eParallelSegment_Rule;
    auto* rule = Only<TSpecctraSegmentRule>(text, kind);
    ASSERT_EQ(rule != nullptr, c.Ok);
    if (!rule) continue;
    EXPECT_EQ(rule->Gap(), c.Gap);
    EXPECT_EQ(rule->Limit(), c.Limit);
  }
}

TEST(RuleStatements, RouteOrderWords) {
  struct TCase {
    std::string Statement;
    bool Ok;
    uint8_t Topology;
  };
  const TCase cases[] = {
      {"(reorder starburst)", true, 0},
      {"(reorder daisy)", true, 4},
      {"(reorder daisy (type mid_driven))", true, 4},
      {"(reorder daisy (type balanced))", true, 5},
      {"(reorder)", false, 0},
      {"(reorder sideways)", false, 0},
      {"(reorder daisy (type sideways))", false, 0},
      {"(reorder starburst (type balanced))", false, 0},
      {"(reorder daisy starburst)", false, 0},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Statement);
    TStatementText text(c.Statement);
    EXPECT_EQ(text.Loaded, c.Ok);
    EXPECT_TRUE(text.PlaceKept) << "a bad order word does not stop the design";
    EXPECT_FALSE(TranslationState().AbortParsing);
    auto* rule = Only<TSpecctraRouteOrderRule>(text, eReorder_Rule);
    ASSERT_EQ(rule != nullptr, c.Ok);
    if (rule) {
      EXPECT_EQ(rule->HostTopology(), c.Topology);
    }
  }
  TStatementText midDriven("(reorder daisy (type mid_driven))");
  EXPECT_EQ(Only<TSpecctraRouteOrderRule>(midDriven, eReorder_Rule)->Order(), roDaisyMidDriven);
}

TEST(RuleStatements, ViaAtSmdSwitchesTheFlagOfItsStatement) {
  TStatementText text("(via_at_smd on (grid off) (fit on))");
  ASSERT_TRUE(text.Loaded);
  auto* rule = Only<TSpecctraViaAtSmdRule>(text, eViaAtSmd_Rule);
  ASSERT_NE(rule, nullptr);
  EXPECT_EQ(rule->Allowed(), 1);
  EXPECT_EQ(rule->Grid(), 0);
  EXPECT_EQ(rule->Fit(), 1);
  TStatementText off("(via_at_smd off (grid on))");
  EXPECT_EQ(Only<TSpecctraViaAtSmdRule>(off, eViaAtSmd_Rule)->Allowed(), 0);
  EXPECT_EQ(Only<TSpecctraViaAtSmdRule>(off, eViaAtSmd_Rule)->Grid(), 1);
}

TEST(RuleStatements, TimingRulesKeepTheirValues) {
  TStatementText amplitude("(length_amplitude 3 5) (length_gap 2)");
  ASSERT_TRUE(amplitude.Loaded);
  const auto rules = amplitude.OfKind<TSpecctraTimingRule>(eLengthGap_Rule);
  ASSERT_EQ(rules.size(), 2u);
  EXPECT_EQ(rules[0]->LengthAmplitude(), 5) << "the second value replaces the first";
  EXPECT_EQ(rules[1]->LengthGap(), 2);
  for (const char* bad : {"(length_gap 1 2)", "(length_amplitude 1 2 3)", "(length_gap)"}) {
    SCOPED_TRACE(bad);
    TStatementText badText(bad);
    EXPECT_FALSE(badText.Loaded);
    EXPECT_TRUE(badText.PlaceKept);
  }
}

TEST(RuleStatements, TestpointRuleKeepsEveryStatement) {
  TRuleText text(
      "(unit mil) (rule (testpoint (allow_antenna off) (insert on) (pin_allow on) (side both)"
      " (center_center 10) (max_len 200) (image_outline_clearance 3) (comp U1 U2)"
      " (use_via V1 V2) (grid 25 (direct x) (offset 2)))))");
  text.Parser().NextToken();  // the owner's (unit mil) is not a rule statement
  text.Parser().NextToken();
  text.Parser().NextToken();
  text.Parser().NextToken();
  ASSERT_TRUE(text.LoadOwner(TRuleOwnerKind::Net, "N")) << testing::PrintToString(text.Lines());
  auto rules = text.OfKind<TSpecctraTestpointRule>(eTestpoint_Rule);
  ASSERT_EQ(rules.size(), 1u);
  const TSpecctraTestpointRule& rule = *rules[0];
  EXPECT_FALSE(rule.AllowAntenna());
  EXPECT_TRUE(rule.Insert());
  EXPECT_TRUE(rule.PinAllow());
  EXPECT_EQ(rule.Side(), 2);
  EXPECT_EQ(rule.CenterCenter(), 10);
  EXPECT_EQ(rule.MaxLength(), 200);
  EXPECT_EQ(rule.ImageOutlineClearance(), 3);
  EXPECT_EQ(rule.Components(), (std::vector<std::string>{"U1", "U2"}));
  EXPECT_EQ(rule.ViaPadstacks(), (std::vector<std::string>{"V1", "V2"}));
  EXPECT_EQ(rule.GridX(), 25);
  EXPECT_EQ(rule.GridY(), 0) << "a direction gives the grid to its pitch only";
  EXPECT_EQ(rule.GridOffset(), 2);

  TStatementText defaults("(testpoint (side front))");
  ASSERT_TRUE(defaults.Loaded);
  auto* plain = Only<TSpecctraTestpointRule>(defaults, eTestpoint_Rule);
  EXPECT_TRUE(plain->AllowAntenna());
  EXPECT_EQ(plain->Side(), 0);
  EXPECT_EQ(plain->MaxLength(), 500) << "half an inch in mils, the unit assumed without one";
  for (const char* bad : {"(testpoint (side up))", "(testpoint (insert maybe))",
                          "(testpoint (side (x)))", "(testpoint (comp U1 (x) U2))"}) {
    SCOPED_TRACE(bad);
    TStatementText badText(bad);
    EXPECT_FALSE(badText.Loaded);
    EXPECT_TRUE(badText.PlaceKept);
  }
}

TEST(RuleStatements, CircuitKeepsItsStatements) {
  TRuleText text(
      "(circuit (length 100 50 (type ratio)) (match_net_length on (tolerance 5) (ratio 2))"
      " (match_group_delay off (tolerance 1)) (max_delay 3) (min_total_length 4) (priority 7)"
      " (total) (shield on coax (use_net GND)) (use_layer TOP BOTTOM)"
      " (use_via V1 (use_array A 2 3) V2) (sample_window (x 1))))");
  ASSERT_TRUE(text.LoadOwner(TRuleOwnerKind::NetClass, "C"))
      << testing::PrintToString(text.Lines());
  EXPECT_EQ(text.Errors(), 0);
  EXPECT_EQ(text.Warnings(), 1) << "the time window is skipped";
  auto circuits = text.OfKind<TSpecctraCircuitDescriptor>(eCircuitDesc_Rule);
  ASSERT_EQ(circuits.size(), 1u);
  const TSpecctraCircuitDescriptor& circuit = *circuits[0];
  EXPECT_EQ(circuit.LengthMax(), 100);
  EXPECT_EQ(circuit.LengthMin(), 50);
  EXPECT_EQ(circuit.LengthType(), 1);
  ASSERT_TRUE(circuit.Match(cmNetLength).has_value());
  EXPECT_TRUE(circuit.Match(cmNetLength)->On);
  EXPECT_EQ(circuit.Match(cmNetLength)->Tolerance, 2);
  EXPECT_TRUE(circuit.Match(cmNetLength)->Ratio);
  ASSERT_TRUE(circuit.Match(cmGroupDelay).has_value());
  EXPECT_FALSE(circuit.Match(cmGroupDelay)->On);
  EXPECT_FALSE(circuit.Match(cmNetDelay).has_value())
      << "records exist once their statement is read";
  EXPECT_EQ(circuit.MaxDelay(), 3);
  EXPECT_EQ(circuit.MinTotalLength(), 4);
  EXPECT_EQ(circuit.Priority(), 7);
  EXPECT_TRUE(circuit.Total());
  EXPECT_TRUE(circuit.ShieldOn());
  EXPECT_EQ(circuit.ShieldType(), stCoax);
  EXPECT_EQ(circuit.ShieldNet(), "GND");
  EXPECT_EQ(circuit.UseLayers(), (std::vector<std::string>{"TOP", "BOTTOM"}));
  ASSERT_EQ(circuit.UseVias().size(), 3u);
  EXPECT_EQ(circuit.UseVias()[0].Padstack, "V1");
  EXPECT_FALSE(circuit.UseVias()[0].Array.has_value());
  ASSERT_TRUE(circuit.UseVias()[1].Array.has_value());
  EXPECT_EQ(circuit.UseVias()[1].Array->Padstack, "A");
  EXPECT_EQ(circuit.UseVias()[1].Array->Second, 3);
  EXPECT_EQ(circuit.UseVias()[2].Padstack, "V2");
}

TEST(RuleStatements, ABrokenCircuitStatementFailsTheCircuitAndTheRestIsRead) {
  const char* cases[] = {
      "(circuit (bogus 1 (x)) (use_via V3))",   "(circuit (tolerance 1) (use_via V3))",
      "(circuit (length (type sideways)) (use_via V3))", "(circuit (priority high) (use_via V3))",
      "(circuit (use_via V3) (match_net_length maybe))",
  };
  for (const char* circuit : cases) {
    SCOPED_TRACE(circuit);
    TRuleText text(std::string(circuit) + " (rule (width 1)))");
    EXPECT_FALSE(text.LoadOwner(TRuleOwnerKind::Net, "N"));
    EXPECT_EQ(text.Owner().BlockDepth(), 0);
    EXPECT_TRUE(text.OfKind(eCircuitDesc_Rule).empty()) << "a failed circuit is freed";
    EXPECT_EQ(text.OfKind(eWidth_Rule).size(), 1u);
  }
}

// Every prefix of a rule-rich design: the parse ends, and the whole text loads.
TEST(RuleStatements, TruncatedRuleBlocksEndCleanly) {
  const std::string design =
      "(pcb d (structure (layer TOP (type signal) (rule (width 8) (clearance 8 (type smd_smd))))"
      " (rule (width 5) (clearance 4 (type pin_via smd_via default_smd) (layer_depth 2))"
      " (parallel_segment (gap 1) (limit 2)) (reorder daisy (type balanced)) (power_fanout x))"
      " (layer_rule TOP (rule (clear 3)))) (network (net GND (pins U1-1)"
      " (circuit (use_via V1 (use_array A 1 2)) (length 5 (type actual)))"
      " (layer_rule TOP (rule (testpoint (grid 5 (direct y)) (comp U1)))))))";
  for (std::size_t length = 0; length <= design.size(); ++length) {
    SCOPED_TRACE(design.substr(0, length));
    TRuleText text(design.substr(0, length));
    const bool loaded = text.LoadDesign();
    if (length == design.size()) {
      EXPECT_TRUE(loaded);
      EXPECT_EQ(text.Errors(), 0) << testing::PrintToString(text.Lines());
    }
  }
}

namespace {

// A library padstack that records the via styles asked of it.
class TRecordingPadstack : public TSpecctraObject, public TViaStyleSource {
public:
  using TSpecctraObject::TSpecctraObject;
  void CreateViaStyleRule(const std::string& prefix, const std::string& scope) override {
    Calls.push_back(Name() + " " + prefix + " " + scope);
  }
  std::vector<std::string> Calls;
};

// A design whose library knows the padstacks V1 and V2.
class TDesignWithPadstacks : public TSpecctraDesign {
public:
  using TSpecctraDesign::TSpecctraDesign;
  TSpecctraObject* FindPadstack(std::string_view name) override {
    for (auto* padstack : {&FV1, &FV2})
      if (padstack->Name() == name) return padstack;
    return nullptr;
  }
  TRecordingPadstack FV1{this};
  TRecordingPadstack FV2{this};
};

}  // namespace

TEST(RuleStatements, ACircuitAsksTheLibraryPadstacksOfItsViasForViaStyles) {
  ResetTranslationState();
  TSpecctraParser parser(std::make_unique<TInputFile>(
      "vias.dsn", "(pcb d (library) (network (net GND (pins U1-1)"
                  " (circuit (use_via V2 (use_array V1 1 2) MISSING V1)))))"));
  RegisterKeywords(parser);
  TDesignWithPadstacks design(0, &parser, "vias.dsn");
  design.FV1.SetName("V1");
  design.FV2.SetName("V2");
  ASSERT_TRUE(design.LoadFromFile());
  TSpecctraList* circuits = design.GetRuleCollection()->RulesOfKind(eCircuitDesc_Rule);
  ASSERT_EQ(circuits->Count(), 1);
  EXPECT_TRUE(circuits->ObjectAt(0)->ExportToPcb());
  EXPECT_EQ(design.FV2.Calls, std::vector<std::string>{"V2 GND InNet('GND')"});
  EXPECT_EQ(design.FV1.Calls, std::vector<std::string>{"V1 GND InNet('GND')"})
      << "the via array entry is passed over";
  const auto& lines = design.ReportManager().Lines();
  EXPECT_NE(std::find(lines.begin(), lines.end(),
                      "ERROR: Invalid padstack reference returned for: MISSING, while tryng to "
                      "create board level routing via styles."),
            lines.end());
}
