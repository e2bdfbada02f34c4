// Clearance statements: one rule per scope gathering defaults, typed constraints and the
// SMD-to-turn gap, and the query expressions of each constraint, to the character.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/rules/ClearanceRule.h"
#include "model/rules/RuleTestSupport.h"

namespace {

TSpecctraClearanceRule* OnlyClearance(TRuleText& text) {
  const auto rules = text.OfKind<TSpecctraClearanceRule>(eClearance_Rule);
  return rules.size() == 1 ? rules[0] : nullptr;
}

std::vector<uint32_t> TypeSets(const TSpecctraClearanceRule& rule) {
  std::vector<uint32_t> sets;
  for (const auto& constraint : rule.Constraints().Items()) sets.push_back(constraint->Types);
  return sets;
}

}  // namespace

TEST(ClearanceRule, StatementsOfOneScopeGatherInOneRule) {
  struct TCase {
    std::string Block;
    bool Ok;
    double Default;
    std::vector<uint32_t> Sets;
    std::vector<double> Values;
    double SmdToTurn;
  };
  const uint32_t smdVia = 1u << 7, pinVia = 1u << 2, smdSmd = 1u << 6, wireWire = 1u << 15;
  const TCase cases[] = {
      {"(clearance 8 (type smd_via pin_via))", true, -1, {smdVia | pinVia}, {8}, -1},
      {"(clearance 5) (clear 6)", true, 6, {}, {}, -1},
      {"(clearance 4 (type smd_smd)) (clearance 3 (type wire_wire via_smd))", true, -1,
       {smdSmd, wireWire | smdVia}, {4, 3}, -1},
      {"(clearance 5 (type smd_to_turn_gap))", true, -1, {}, {}, 5},
      {"(clearance 5 (type antipad_gap drill_gap pad_to_turn_gap))", true, -1, {}, {}, -1},
      {"(clearance 5 (type buried_via_gap))", true, -1, {1u << 23}, {5}, -1},
      {"(clearance 5 (type smd_smd SMD_SMD smd_via_same_net))", true, -1,
       {smdSmd | (1u << 21)}, {5}, -1},
      {"(clearance 2 (type default_smd smd_smd))", true, -1, {smdSmd}, {2}, -1},
      {"(clearance 2 (type smd_smd) (layer_depth 3))", true, -1, {smdSmd}, {2}, -1},
      {"(clearance abc (type smd_smd))", false, -1, {}, {}, -1},
      {"(clearance (type smd_smd))", false, -1, {}, {}, -1},
      {"(clearance)", false, -1, {}, {}, -1},
      {"(clearance 3 smd_smd)", false, -1, {}, {}, -1},
      {"(clearance 3 (smd_smd))", false, -1, {}, {}, -1},
      {"(clearance 3 (type smd_smd) (bogus 1))", false, -1, {smdSmd}, {3}, -1},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Block);
    TRuleText text("(rule " + c.Block + " (width 1)) (rule (width 2)))");
    EXPECT_EQ(text.LoadOwner(TRuleOwnerKind::Net, "VCC"), c.Ok)
        << testing::PrintToString(text.Lines());
    EXPECT_EQ(text.Owner().BlockDepth(), 0);
    EXPECT_EQ(text.OfKind(eWidth_Rule).size(), 2u) << "the statements after it were read";
    TSpecctraClearanceRule* rule = OnlyClearance(text);
    ASSERT_NE(rule, nullptr) << "one rule per scope, kept also after a failed statement";
    EXPECT_EQ(rule->DefaultClearance(), c.Default);
    EXPECT_EQ(TypeSets(*rule), c.Sets);
    std::vector<double> values;
    for (const auto& constraint : rule->Constraints().Items()) values.push_back(constraint->Value);
    EXPECT_EQ(values, c.Values);
    EXPECT_EQ(rule->SmdToTurnGap(), c.SmdToTurn);
  }
}

TEST(ClearanceRule, TypesTheBoardHasNoFilterForAreReportedAndPassedOver) {
  TRuleText text("(rule (clearance 2 (type default_smd smd_smd))))");
  ASSERT_TRUE(text.LoadOwner(TRuleOwnerKind::Board, "PCB"));
  EXPECT_TRUE(text.HasLine("WARNING: Clearance type DEFAULT_SMD in line 1 is not translated."));
  EXPECT_EQ(text.Errors(), 0);
  EXPECT_EQ(OnlyClearance(text)->Constraints().Items().at(0)->TypeCount, 1);
}

TEST(ClearanceRule, ConstraintExpressionsNarrowTheScopeToTheTypesOfEachSide) {
  struct TCase {
    TRuleOwnerKind Owner;
    std::string Block;
    std::string First;
    std::string Second;
  };
  const TCase cases[] = {
      {TRuleOwnerKind::Net, "(rule (clearance 8 (type smd_via pin_via))))",
       "InNet('VCC') And (IsPad Or IsSMTPin)", "InNet('VCC') And (IsVia)"},
      {TRuleOwnerKind::Board, "(rule (clearance 8 (type smd_smd))))", "IsSMTPin", "IsSMTPin"},
      {TRuleOwnerKind::Board, "(rule (clearance 5 (type buried_via_gap))))", "", ""},
      {TRuleOwnerKind::Net, "(rule (clearance 5 (type buried_via_gap))))", "InNet('VCC')",
       "InNet('VCC')"},
      {TRuleOwnerKind::Board, "(rule (clearance 1 (type area_testpoint drill_gap))))",
       "(TestPointTop Or TestPointBottom)", "(TestPointTop Or TestPointBottom)"},
      {TRuleOwnerKind::Board, "(rule (clearance 1 (type wire_area pin_wire wire_wire))))",
       "IsPad Or (IsTrack Or IsArc)", "(IsTrack Or IsArc) Or (IsKeepout Or IsFill Or InPolygon)"},
      {TRuleOwnerKind::NetClass,
       "(layer_rule TOP BOTTOM (rule (clearance 5 (type wire_wire)))))",
       "InNetClass('VCC') And (OnLayer('TOP') Or OnLayer('BOTTOM')) And ((IsTrack Or IsArc))",
       "InNetClass('VCC') And (OnLayer('TOP') Or OnLayer('BOTTOM')) And ((IsTrack Or IsArc))"},
      {TRuleOwnerKind::ClassToClass, "(rule (clearance 1 (type via_via_same_net))))",
       "InNetClass('A') And (IsVia)", "InNetClass('B') And (IsVia)"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Block);
    TRuleText text(c.Block);
    ASSERT_TRUE(text.LoadOwner(c.Owner, "VCC", {"A", "B"}));
    TSpecctraClearanceRule* rule = OnlyClearance(text);
    ASSERT_NE(rule, nullptr);
    ASSERT_EQ(rule->Constraints().Items().size(), 1u);
    std::string first, second;
    rule->ConstraintExpressions(*rule->Constraints().Items()[0], first, second);
    EXPECT_EQ(first, c.First);
    EXPECT_EQ(second, c.Second);
  }
}
