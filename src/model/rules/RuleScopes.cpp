#include "model/rules/RuleScopes.h"

#include <vector>

#include "model/base/SpecctraText.h"
#include "model/rules/RuleScopeOwner.h"
#include "specctra_io/SpecctraParser.h"

namespace {

std::string Term(std::string_view function, std::string_view name) {
  return std::string(function) + "(" + Apostrophes(name) + ")";
}

// The two class sides of a class-to-class owner: one class each for a pair, otherwise every
// listed class on both sides.
void ClassParts(const TSpecctraObject* owner, std::string& first, std::string& second) {
  const auto* pair = dynamic_cast<const TRuleScopeOwner*>(owner);
  if (!pair || pair->RuleOwnerKind() != TRuleOwnerKind::ClassToClass) {
    first.clear();
    second.clear();
    return;
  }
  const std::vector<std::string> names = pair->ScopeClassNames();
  if (names.size() == 2) {
    first = Term("InNetClass", names[0]);
    second = Term("InNetClass", names[1]);
    return;
  }
  std::string all;
  for (const std::string& name : names) all = JoinWith(all, "Or", Term("InNetClass", name));
  first = second = Parenthesize(all);
}

}  // namespace

std::string TLayerRuleScope::GetFirstScopeExpression() const {
  return Term("OnLayer", Owner()->Name());
}

std::string TClassRuleScope::GetFirstScopeExpression() const {
  return Term("InNetClass", Owner()->Name());
}

std::string TClassOnLayerRuleScope::GetFirstScopeExpression() const {
  const std::string classPart = Term("InNetClass", Owner()->Name());
  const std::string layers = LayerPart();
  return layers.empty() ? classPart : classPart + " And " + Parenthesize(layers);
}

std::string TNetRuleScope::GetFirstScopeExpression() const {
  return Term("InNet", Owner()->Name());
}

std::string TClassVsClassRuleScope::GetFirstScopeExpression() const {
  std::string first, second;
  ClassParts(Owner(), first, second);
  return first;
}

std::string TClassVsClassRuleScope::GetSecondScopeExpression() const {
  std::string first, second;
  ClassParts(Owner(), first, second);
  return second;
}

std::string TClassVsClassOnLayerRuleScope::GetFirstScopeExpression() const {
  std::string first, second;
  ClassParts(Owner(), first, second);
  return JoinWith(LayerPart(), "And", first);
}

std::string TClassVsClassOnLayerRuleScope::GetSecondScopeExpression() const {
  std::string first, second;
  ClassParts(Owner(), first, second);
  return JoinWith(LayerPart(), "And", second);
}

bool TRegionRuleScope::LoadFromFile() {
  SetBlockDepth(1);
  return LoadRegionRules();
}

// Names of region_class and region_net statements are passed over (the expressions do not use
// them), and so is the word rule that opens their nested rule block.
bool TRegionRuleScope::LoadRegionRules() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("clearance"):
      case KeywordId("clear"): result = LoadClearance() && result; return true;
      case KeywordId("width"): result = LoadWidth() && result; return true;
      case KeywordId("rule"): return true;
      default:
        return ScopeKind() != 16 && id != tkOpenParen && id != tkCloseParen &&
               !parser.IsKeyword();
    }
  });
  FileClearanceRule();
  return loopResult && result;
}

bool TClassVsClassInRegionRuleScope::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  SetBlockDepth(1);
  if (!parser.ExpectToken(tkOpenParen)) {
    parser.SkipBlockChars();
    return false;
  }
  HandleToken();
  bool result = false;
  if (parser.NextToken() == KeywordId("classes")) {
    std::vector<std::string> names;
    while (!StopRequested() && parser.NextToken() != tkCloseParen) {
      if (parser.CurrentId() == tkOpenParen) {
        parser.ReportUnexpected();
        parser.SkipBlock();
      } else {
        names.push_back(parser.TokenText());
      }
    }
    DecreaseDepth();
    result = names.size() == 2;
    if (result) {
      FFirstClassName = names[0];
      FSecondClassName = names[1];
    } else {
      ReportError("Region class pair before line " + std::to_string(parser.Line()) +
                  " needs two class names.");
    }
  } else {
    // Not a class list: that block is passed over.
    const int32_t id = parser.CurrentId();
    if (id != tkCloseParen) {
      parser.ReportUnexpected();
      if (id == tkOpenParen) parser.SkipBlock();
      parser.SkipBlock();
    }
    DecreaseDepth();
  }
  // The rest of the statement: its rules, up to its end.
  return LoadRegionRules() && result;
}
