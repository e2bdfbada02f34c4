// Every rule of one file, filed by rule kind, and every rule scope created while parsing it.
// On import the rules reach the board grouped by the kind of their scope.
#pragma once

#include <array>
#include <map>
#include <utility>
#include <memory>
#include <vector>

#include "model/rules/AbstractRule.h"
#include "model/base/SpecctraList.h"

class TSpecctraRuleCollection : public TSpecctraObject {
public:
  explicit TSpecctraRuleCollection(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraRuleCollection"; }

  // Files the rule in the list of its kind unless it is there already.
  void AddRule(std::unique_ptr<TSpecctraAbstractRule> rule);
  // The rules of a kind (nil for the abstract kind).
  TSpecctraList* RulesOfKind(TSpecctraRuleKind kind);
  // The rules whose scope has the scope kind, by rule kind and then in list order.
  std::vector<TSpecctraAbstractRule*> RulesOfScopeKind(uint8_t scopeKind);
  // The scope of the owner for the keyword's scope kind, or nil.
  TAbstractRuleScope* FindScope(const TSpecctraObject* owner, int32_t keywordId);
  void AddScope(std::unique_ptr<TAbstractRuleScope> scope);
  // The owner's scope for the keyword, created and filed when there is none yet; nil when
  // the owner carries no rules.
  TAbstractRuleScope* ScopeFor(TSpecctraObject& owner, int32_t keywordId);

  // Removes the board's clearance and width rules, then writes the rules scope kind by scope
  // kind, each kind up to its first failure. Rules of regions are reported, not written.
  bool ExportToPcb() override;

private:
  void ReportRegionRule(const TSpecctraAbstractRule& rule);
  std::array<std::unique_ptr<TSpecctraList>, kSpecctraRuleKindCount> FRuleLists;
  TSpecctraList FScopes;
  // (owner, scope kind) -> the first scope filed for it.
  std::map<std::pair<const TSpecctraObject*, uint8_t>, TAbstractRuleScope*> FScopeIndex;
};
