// Rule scopes: which scope a rule block gets, which blocks share one, and the host query
// expressions the scopes answer, to the character.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "model/rules/ClearanceRule.h"
#include "model/rules/RuleScopes.h"
#include "model/rules/SingleValueRules.h"
#include "model/rules/RuleTestSupport.h"

namespace {

struct TScopeCase {
  const char* Title;
  TRuleOwnerKind Owner;  // None: Text is a whole design
  std::vector<std::string> Classes;
  std::string Text;
  std::string_view ScopeClass;
  int Kind;
  std::string Unary;   // of the block's width rule
  std::string First;   // of the block's clearance rule
  std::string Second;
};

const TScopeCase kScopeCases[] = {
    {"board", TRuleOwnerKind::None, {},
     "(pcb d (structure (rule (width 5) (clearance 5))))", "TPCBRuleScope", 1, "All", "All", "All"},
    {"layer", TRuleOwnerKind::None, {},
     "(pcb d (structure (layer 'In1.Cu' (type signal) (rule (width 8) (clearance 8)))))",
     "TLayerRuleScope", 2, "All", "OnLayer('In1.Cu')", "OnLayer('In1.Cu')"},
    {"net", TRuleOwnerKind::None, {},
     "(pcb d (network (net GND (pins U1-1) (rule (width 10) (clearance 4)))))", "TNetRuleScope",
     7, "InNet('GND')", "InNet('GND')", "InNet('GND')"},
    {"net on layers", TRuleOwnerKind::None, {},
     "(pcb d (network (net GND (layer_rule TOP (rule (width 10) (clearance 4))))))",
     "TNetOnLayerRuleScope", 8, "All", "All", "All"},
    {"class", TRuleOwnerKind::NetClass, {}, "(rule (width 10) (clearance 4)))",
     "TClassRuleScope", 3, "InNetClass('PWR')", "InNetClass('PWR')", "InNetClass('PWR')"},
    {"class on layers", TRuleOwnerKind::NetClass, {},
     "(layer_rule TOP BOTTOM (rule (width 1) (clearance 5 (type wire_wire)))))",
     "TClassOnLayerRuleScope", 4, "InNetClass('PWR') And (OnLayer('TOP') Or OnLayer('BOTTOM'))",
     "InNetClass('PWR') And (OnLayer('TOP') Or OnLayer('BOTTOM'))",
     "InNetClass('PWR') And (OnLayer('TOP') Or OnLayer('BOTTOM'))"},
    {"class pair", TRuleOwnerKind::ClassToClass, {"PWR", "GND"}, "(rule (width 1) (clearance 5)))",
     "TClassVsClassRuleScope", 13, "InNetClass('PWR')", "InNetClass('PWR')", "InNetClass('GND')"},
    {"class pair on layers", TRuleOwnerKind::ClassToClass, {"PWR", "GND"},
     "(layer_rule TOP BOTTOM (rule (width 1) (clearance 5 (type wire_wire)))))",
     "TClassVsClassOnLayerRuleScope", 14,
     "OnLayer('TOP') Or OnLayer('BOTTOM') And InNetClass('PWR')",
     "OnLayer('TOP') Or OnLayer('BOTTOM') And InNetClass('PWR')",
     "OnLayer('TOP') Or OnLayer('BOTTOM') And InNetClass('GND')"},
    {"three classes", TRuleOwnerKind::ClassToClass, {"A", "B", "C"},
     "(rule (width 1) (clearance 5)))", "TClassVsClassRuleScope", 13,
     "(InNetClass('A') Or InNetClass('B') Or InNetClass('C'))",
     "(InNetClass('A') Or InNetClass('B') Or InNetClass('C'))",
     "(InNetClass('A') Or InNetClass('B') Or InNetClass('C'))"},
    {"no classes", TRuleOwnerKind::ClassToClass, {}, "(rule (width 1) (clearance 5)))",
     "TClassVsClassRuleScope", 13, "()", "()", "()"},
    {"group set", TRuleOwnerKind::GroupSet, {}, "(rule (width 1) (clearance 5)))",
     "TGroupSetRuleScope", 5, "All", "All", "All"},
    {"group set on layers", TRuleOwnerKind::GroupSet, {},
     "(layer_rule TOP (rule (width 1) (clearance 5))))", "TGroupSetOnLayerRuleScope", 6, "All",
     "All", "All"},
    {"group", TRuleOwnerKind::Group, {}, "(rule (width 1) (clearance 5)))", "TGroupRuleScope",
     9, "All", "All", "All"},
    {"group on layers", TRuleOwnerKind::Group, {},
     "(layer_rule TOP (rule (width 1) (clearance 5))))", "TGroupOnLayerRuleScope", 10, "All",
     "All", "All"},
    {"from-to", TRuleOwnerKind::FromTo, {}, "(rule (width 1) (clearance 5)))",
     "TFromToRuleScope", 11, "All", "All", "All"},
    {"from-to on layers", TRuleOwnerKind::FromTo, {},
     "(layer_rule TOP (rule (width 1) (clearance 5))))", "TFromToOnLayerRuleScope", 12, "All",
     "All", "All"},
    {"padstack", TRuleOwnerKind::Padstack, {}, "(layer_rule TOP (rule (width 1) (clearance 5))))",
     "TPadstackRuleScope", 15, "All", "All", "All"},
    {"region", TRuleOwnerKind::Region, {}, "(rule (width 1) (clearance 5)))", "TRegionRuleScope",
     16, "All", "All", "All"},
    {"class in region", TRuleOwnerKind::Region, {},
     "(region_class PWR (rule (width 1) (clearance 5))))", "TClassInRegionRuleScope", 17, "All",
     "All", "All"},
    {"net in region", TRuleOwnerKind::Region, {},
     "(region_net GND (rule (width 1) (clearance 5))))", "TNetInRegionRuleScope", 18, "All",
     "All", "All"},
    {"class pair in region", TRuleOwnerKind::Region, {},
     "(region_class_class (classes A B) (rule (width 1) (clearance 5))))",
     "TClassVsClassInRegionRuleScope", 19, "All", "All", "All"},
};

}  // namespace

TEST(RuleScopes, EachOwnerGetsItsScopeAndExpressions) {
  for (const TScopeCase& c : kScopeCases) {
    SCOPED_TRACE(c.Title);
    TRuleText text(c.Text);
    if (c.Owner == TRuleOwnerKind::None)
      ASSERT_TRUE(text.LoadDesign());
    else
      ASSERT_TRUE(text.LoadOwner(c.Owner, "PWR", c.Classes));
    EXPECT_EQ(text.Errors(), 0) << testing::PrintToString(text.Lines());
    const auto widths = text.OfKind<TSpecctraWidthRule>(eWidth_Rule);
    const auto clearances = text.OfKind<TSpecctraClearanceRule>(eClearance_Rule);
    ASSERT_EQ(widths.size(), 1u);
    ASSERT_EQ(clearances.size(), 1u);
    TAbstractRuleScope* scope = widths[0]->Scope();
    EXPECT_EQ(scope, clearances[0]->Scope()) << "one scope per block";
    EXPECT_EQ(scope->ClassName(), c.ScopeClass);
    EXPECT_EQ(scope->ScopeKind(), c.Kind);
    std::string first = "untouched", second = "untouched";
    widths[0]->GetScopeExpressions(kRuleWidth, first, second);
    EXPECT_EQ(first, c.Unary);
    EXPECT_EQ(second, "untouched") << "one-sided kinds leave the second expression alone";
    clearances[0]->GetScopeExpressions(kRuleClearance, first, second);
    EXPECT_EQ(first, c.First);
    EXPECT_EQ(second, c.Second);
  }
}

TEST(RuleScopes, BlocksOfOneOwnerShareAScopeExceptALayerRuleOfAGroup) {
  struct TCase {
    const char* Title;
    TRuleOwnerKind Owner;
    std::string Text;
    std::size_t Scopes;  // distinct scopes of the width rules
  };
  const TCase cases[] = {
      {"two rule blocks", TRuleOwnerKind::Net, "(rule (width 10)) (rule (width 10)))", 1},
      {"rule and circuit", TRuleOwnerKind::NetClass,
       "(rule (width 1)) (circuit (use_layer A)) (rule (width 2)))", 1},
      {"two layer rules of a class", TRuleOwnerKind::NetClass,
       "(layer_rule A (rule (width 1))) (layer_rule B (rule (width 2))))", 2},
      {"two layer rules of a class pair", TRuleOwnerKind::ClassToClass,
       "(layer_rule A (rule (width 1))) (layer_rule B (rule (width 2))))", 2},
      {"two layer rules of a net", TRuleOwnerKind::Net,
       "(layer_rule A (rule (width 1))) (layer_rule B (rule (width 2))))", 1},
      {"layer rule and rule of a class", TRuleOwnerKind::NetClass,
       "(layer_rule A (rule (width 1))) (rule (width 2)) (rule (width 3)))", 2},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Title);
    TRuleText text(c.Text);
    ASSERT_TRUE(text.LoadOwner(c.Owner, "GND"));
    std::set<TAbstractRuleScope*> scopes;
    for (TSpecctraAbstractRule* rule : text.OfKind(eWidth_Rule)) scopes.insert(rule->Scope());
    EXPECT_EQ(scopes.size(), c.Scopes);
  }
}

TEST(RuleScopes, TwoRuleBlocksOfANetGiveTwoWidthRulesOfOneScope) {
  TRuleText text("(pcb d (network (net GND (rule (width 10)) (pins U1-1) (rule (width 10)))))");
  ASSERT_TRUE(text.LoadDesign());
  const auto widths = text.OfKind(eWidth_Rule);
  ASSERT_EQ(widths.size(), 2u);
  EXPECT_EQ(widths[0]->Scope(), widths[1]->Scope());
  for (TSpecctraAbstractRule* rule : widths) {
    std::string first, second;
    rule->GetScopeExpressions(kRuleWidth, first, second);
    EXPECT_EQ(first, "InNet('GND')");
  }
  EXPECT_EQ(text.Rules().RulesOfScopeKind(7).size(), 2u);
}

TEST(RuleScopes, LayerRulesKeepTheirLayersInTheirScope) {
  TRuleText pair("(layer_rule TOP (rule (width 1))) (layer_rule 'In2' BOTTOM (rule (width 2))))");
  ASSERT_TRUE(pair.LoadOwner(TRuleOwnerKind::ClassToClass, "X", {"P", "Q"}));
  const auto pairWidths = pair.OfKind(eWidth_Rule);
  ASSERT_EQ(pairWidths.size(), 2u);
  EXPECT_EQ(pairWidths[0]->Scope()->GetFirstScopeExpression(),
            "OnLayer('TOP') And InNetClass('P')");
  EXPECT_EQ(pairWidths[1]->Scope()->GetSecondScopeExpression(),
            "OnLayer('In2') Or OnLayer('BOTTOM') And InNetClass('Q')");

  TRuleText net("(layer_rule TOP (rule (width 1))) (layer_rule 'In2' BOTTOM (rule (width 2))))");
  ASSERT_TRUE(net.LoadOwner(TRuleOwnerKind::Net, "N"));
  const auto netWidths = net.OfKind(eWidth_Rule);
  ASSERT_EQ(netWidths.size(), 2u);
  const auto* shared = dynamic_cast<TAbstractRuleScopeWithLayer*>(netWidths[1]->Scope());
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->LayerNames(), (std::vector<std::string>{"TOP", "In2", "BOTTOM"}));
}

// Layer-rule statements that are not complete fail, and the owner's next statements are still
// read in place.
TEST(RuleScopes, BrokenLayerRulesFailWithoutLosingTheirPlace) {
  const char* cases[] = {
      "(layer_rule TOP)",
      "(layer_rule)",
      "(layer_rule TOP (width 5))",
      "(layer_rule TOP (width (x 1)))",
      "(layer_rule TOP ())",
      "(layer_rule TOP (rule (width 1)) (rule (width 2)))",
      "(layer_rule TOP (rule (width 1)) extra)",
  };
  for (const char* statement : cases) {
    SCOPED_TRACE(statement);
    TRuleText text(std::string(statement) + " (rule (max_stub 7)))");
    EXPECT_FALSE(text.LoadOwner(TRuleOwnerKind::NetClass, "C"));
    EXPECT_GT(text.Errors(), 0);
    EXPECT_EQ(text.Owner().BlockDepth(), 0) << "the owner's block ended at its parenthesis";
    EXPECT_EQ(text.OfKind(eMaxStub_Rule).size(), 1u) << "the next statement was read";
  }
}

TEST(RuleScopes, UntranslatedRulesAreSkippedWithAWarningAndTheBlockSucceeds) {
  TRuleText text("(rule (power_fanout (a\n (b 1))) (width 4) (limit_vias 3)))");
  ASSERT_TRUE(text.LoadOwner(TRuleOwnerKind::Net, "N"));
  EXPECT_TRUE(
      text.HasLine("WARNING: Skipped block between lines: 1-2, from keyword: POWER_FANOUT"))
      << testing::PrintToString(text.Lines());
  EXPECT_TRUE(text.HasLine("WARNING: Skipped block between lines: 2-2, from keyword: LIMIT_VIAS"));
  EXPECT_EQ(text.Errors(), 0);
  EXPECT_EQ(text.OfKind(eWidth_Rule).size(), 1u);
}

TEST(RuleScopes, AnUnknownStatementFailsTheBlockButNotItsOtherRules) {
  TRuleText text("(rule (foo 1) (width 4)) (rule (width 5)))");
  EXPECT_FALSE(text.LoadOwner(TRuleOwnerKind::Net, "N"));
  EXPECT_TRUE(text.HasLine("ERROR: Unexpected token <FOO> in line 1"));
  EXPECT_EQ(text.OfKind(eWidth_Rule).size(), 2u);
}

TEST(RuleScopes, ObjectsWithoutRulesSkipTheBlock) {
  TRuleText text("(rule (width 4)))");
  EXPECT_TRUE(text.LoadOwner(TRuleOwnerKind::None, "K"));
  EXPECT_TRUE(text.HasLine("WARNING: Skipped block between lines: 1-1, from keyword: RULE"));
  EXPECT_TRUE(text.OfKind(eWidth_Rule).empty());
}

TEST(RuleScopes, RegionStatementsPassOverTheirNamesAndKeepTheirRules) {
  TRuleText text(
      "(region_class_class (classes A B) (rule (clearance 2)) (rule (width 3)))"
      " (region_class_class (classes A)) (region_class_class)"
      " (region_class_class (pair (x)) (width 5))"
      " (region_class_class ()) (rule (width 4) (clearance 1)))");
  EXPECT_FALSE(text.LoadOwner(TRuleOwnerKind::Region, "R1"));
  EXPECT_EQ(text.Owner().BlockDepth(), 0);
  EXPECT_EQ(text.OfKind(eWidth_Rule).size(), 3u);
  const auto clearances = text.OfKind<TSpecctraClearanceRule>(eClearance_Rule);
  ASSERT_EQ(clearances.size(), 2u);
  auto* pair = dynamic_cast<TClassVsClassInRegionRuleScope*>(clearances[0]->Scope());
  ASSERT_NE(pair, nullptr);
  EXPECT_EQ(pair->FirstClassName(), "A");
  EXPECT_EQ(pair->SecondClassName(), "B");
  EXPECT_EQ(clearances[0]->DefaultClearance(), 2);
  EXPECT_EQ(clearances[1]->Scope()->ScopeKind(), 16);
}

TEST(RuleScopes, HostRuleNamesLeadWithTheKindAndNameTheOwnerAsItStandsNow) {
  TRuleText text("(rule (width 1)))");
  ASSERT_TRUE(text.LoadOwner(TRuleOwnerKind::NetClass, "PWR"));
  TSpecctraAbstractRule* rule = text.OfKind(eWidth_Rule).at(0);
  EXPECT_EQ(MakeHostRuleName(kRuleWidth, rule), "Width PWR");
  text.Owner().SetName(std::string(300, 'n'));
  const std::string cut = MakeHostRuleName(kRuleQuarn, rule);
  EXPECT_EQ(cut.size(), 255u);
  EXPECT_EQ(cut.substr(0, 12), "Quarn Rule n");
  EXPECT_EQ(MakeHostRuleName(kRuleWidth, nullptr), "ERROR: Invalid Rule Name");
}
