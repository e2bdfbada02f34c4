#include "model/rules/RuleCollection.h"

#include "model/base/BoardHelpers.h"

namespace {
constexpr uint8_t kLastScopeKind = 19;
// Scope kinds 16 to 19 belong to regions: a region, or a class, net or class pair inside one.
constexpr uint8_t kFirstRegionScopeKind = 16;
constexpr uint8_t kHostClearanceRule = 0;
constexpr uint8_t kHostWidthRule = 2;
}  // namespace

TSpecctraRuleCollection::TSpecctraRuleCollection(TSpecctraObject* owner)
    : TSpecctraObject(owner) {
  for (int kind = 1; kind < kSpecctraRuleKindCount; ++kind) FRuleLists[kind] = std::make_unique<TSpecctraList>();
}

void TSpecctraRuleCollection::AddRule(std::unique_ptr<TSpecctraAbstractRule> rule) {
  if (!rule) return;
  TSpecctraList* list = RulesOfKind(rule->RuleKind());
  if (list && list->IndexOfObject(rule.get()) < 0) list->Add(std::move(rule));
}

TSpecctraList* TSpecctraRuleCollection::RulesOfKind(TSpecctraRuleKind kind) {
  return kind > eAbstract_Rule && kind < kSpecctraRuleKindCount ? FRuleLists[kind].get() : nullptr;
}

std::vector<TSpecctraAbstractRule*> TSpecctraRuleCollection::RulesOfScopeKind(uint8_t scopeKind) {
  std::vector<TSpecctraAbstractRule*> rules;
  for (int kind = 1; kind < kSpecctraRuleKindCount; ++kind) {
    const TSpecctraList& list = *FRuleLists[kind];
    for (int32_t i = 0; i < list.Count(); ++i) {
      auto* rule = static_cast<TSpecctraAbstractRule*>(list.ObjectAt(i));
      if (rule->Scope() && rule->Scope()->ScopeKind() == scopeKind) rules.push_back(rule);
    }
  }
  return rules;
}

TAbstractRuleScope* TSpecctraRuleCollection::FindScope(const TSpecctraObject* owner,
                                                       int32_t keywordId) {
  if (!owner) return nullptr;
  const uint8_t kind = ScopeClassFor(*owner, keywordId);
  if (kind == 0) return nullptr;
  const auto found = FScopeIndex.find({owner, kind});
  return found == FScopeIndex.end() ? nullptr : found->second;
}

TAbstractRuleScope* TSpecctraRuleCollection::ScopeFor(TSpecctraObject& owner, int32_t keywordId) {
  if (TAbstractRuleScope* found = FindScope(&owner, keywordId)) return found;
  std::unique_ptr<TAbstractRuleScope> created = CreateScopeFor(owner, keywordId);
  TAbstractRuleScope* scope = created.get();
  AddScope(std::move(created));
  return scope;
}

void TSpecctraRuleCollection::AddScope(std::unique_ptr<TAbstractRuleScope> scope) {
  if (!scope) return;
  FScopeIndex.try_emplace({scope->Owner(), scope->ScopeKind()}, scope.get());
  FScopes.Add(std::move(scope));
}

bool TSpecctraRuleCollection::ExportToPcb() {
  DeleteHostRules(kHostClearanceRule, GetBoardHandle());
  DeleteHostRules(kHostWidthRule, GetBoardHandle());
  for (uint8_t scopeKind = 1; scopeKind < kFirstRegionScopeKind; ++scopeKind) {
    for (TSpecctraAbstractRule* rule : RulesOfScopeKind(scopeKind))
      if (!rule->ExportToPcb()) break;
  }
  for (uint8_t scopeKind = kFirstRegionScopeKind; scopeKind <= kLastScopeKind; ++scopeKind)
    for (const TSpecctraAbstractRule* rule : RulesOfScopeKind(scopeKind)) ReportRegionRule(*rule);
  return true;
}

// The host's rule expressions cannot confine a rule to an area, so a region's rule written to
// the board would apply everywhere; it stays off the board, named in the report.
void TSpecctraRuleCollection::ReportRegionRule(const TSpecctraAbstractRule& rule) {
  const std::string region = rule.OwnerName().empty() ? "without a name" : rule.OwnerName();
  const std::string statement = rule.RuleKind() == eWidth_Rule       ? "width"
                                : rule.RuleKind() == eClearance_Rule ? "clearance"
                                                                     : std::string(rule.ClassName());
  ReportWarning("The " + statement + " rule of region " + region +
                " is not written to the board: it would apply to the whole board.");
}
