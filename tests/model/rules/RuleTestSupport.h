// Rule blocks read from text: inside a whole design, or inside a stand-in owner that carries
// rules the way net classes, class pairs, groups, padstacks and regions do.
#pragma once

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "model/files/SpecctraDesign.h"
#include "model/rules/AbstractRule.h"
#include "model/rules/RuleCollection.h"
#include "model/rules/RuleScopeOwner.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"

// An owner of rule blocks known to the scopes only through the owner mix-in.
class TTestRuleOwner : public TSpecctraObject, public TRuleScopeOwner {
public:
  TTestRuleOwner(TSpecctraObject* owner, TRuleOwnerKind kind, std::string name,
                 std::vector<std::string> classes = {})
      : TSpecctraObject(owner), FKind(kind), FClasses(std::move(classes)) {
    SetName(std::move(name));
  }
  TRuleOwnerKind RuleOwnerKind() const override { return FKind; }
  std::vector<std::string> ScopeClassNames() const override { return FClasses; }

  // Rule statements up to the closing parenthesis of the owner's block.
  bool LoadFromFile() override {
    bool result = true;
    const bool loop = RunParseLoop([&](int32_t id) {
      switch (id) {
        case KeywordId("rule"):
        case KeywordId("circuit"):
        case KeywordId("region_class"):
        case KeywordId("region_net"):
        case KeywordId("region_class_class"): result = LoadRule() && result; return true;
        case KeywordId("layer_rule"): result = LoadLayerRule() && result; return true;
        default: return false;
      }
    });
    return loop && result;
  }

private:
  TRuleOwnerKind FKind;
  std::vector<std::string> FClasses;
};

// A design read from text; optionally an owner whose block is the rest of the text.
class TRuleText {
public:
  // The whole design text: "(pcb d ...)". board: the host board or 0.
  explicit TRuleText(const std::string& design, PcbHandle board = 0)
      : FParser(std::make_unique<TInputFile>("rules.dsn", design)),
        FDesign(board, &FParser, "rules.dsn") {
    ResetTranslationState();
    RegisterKeywords(FParser);
  }

  bool LoadDesign() { return FDesign.LoadFromFile(); }
  // Reads "statements...)" as the block of a stand-in owner of the kind.
  bool LoadOwner(TRuleOwnerKind kind, const std::string& name,
                 std::vector<std::string> classes = {}) {
    FOwner = std::make_unique<TTestRuleOwner>(&FDesign, kind, name, std::move(classes));
    return FOwner->LoadFromFile();
  }

  TSpecctraDesign& Design() { return FDesign; }
  TSpecctraParser& Parser() { return FParser; }
  TTestRuleOwner& Owner() { return *FOwner; }
  TSpecctraRuleCollection& Rules() { return *FDesign.GetRuleCollection(); }
  // The rules of a kind, in list order.
  template <class Rule = TSpecctraAbstractRule>
  std::vector<Rule*> OfKind(TSpecctraRuleKind kind) {
    std::vector<Rule*> rules;
    TSpecctraList* list = Rules().RulesOfKind(kind);
    for (int32_t i = 0; list && i < list->Count(); ++i)
      rules.push_back(static_cast<Rule*>(list->ObjectAt(i)));
    return rules;
  }
  const std::vector<std::string>& Lines() { return FDesign.ReportManager().Lines(); }
  bool HasLine(const std::string& line) {
    return std::find(Lines().begin(), Lines().end(), line) != Lines().end();
  }
  int32_t Errors() { return FDesign.ReportManager().ErrorCount(); }
  int32_t Warnings() { return FDesign.ReportManager().WarningCount(); }

private:
  TSpecctraParser FParser;
  TSpecctraDesign FDesign;
  std::unique_ptr<TTestRuleOwner> FOwner;
};
