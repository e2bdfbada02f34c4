// Rule entry points: creating rules, their records, name, sub-scopes and the constraint values
// of their kind.
#include "server/RecordExchange.h"
#include "server/RuleObject.h"
#include "server/ServerApi.h"

namespace standin::api {
namespace {

// Bounds the sub-scopes one scope of a rule can have.
constexpr std::size_t kMaxSubScopes = 1 << 12;

std::vector<PcbSubScopeRecord>* SubScopesOf(PcbHandle rule, uint8_t scope, TRuleObject** owner) {
  TPcbModel* model = ServerModel();
  TRuleObject* found = model ? model->FindAs<TRuleObject>(rule) : nullptr;
  if (owner) *owner = found;
  return found ? found->SubScopes(scope) : nullptr;
}

// The constraint values of one kind; another kind's rule answers 1.
template <class Record>
int32_t ExchangeConstraint(uint8_t message, PcbHandle rule, Record* r) {
  TPcbModel* model = ServerModel();
  TRuleObject* found = model && r ? model->FindAs<TRuleObject>(rule) : nullptr;
  Record* values = found ? found->Constraints<Record>() : nullptr;
  if (!values) return kPcbFail;
  if (message == kPcbMessageRead) {
    *r = *values;
    return kPcbOk;
  }
  if (!IsWriteMessage(message)) return kPcbFail;
  model->Change(*found, [&] { *values = *r; });
  return kPcbOk;
}

}  // namespace

PcbHandle CreateRuleObject(uint8_t ruleKind) {
  TPcbModel* model = ServerModel();
  return model ? model->CreateRule(ruleKind) : 0;
}

int32_t QueryRule(uint8_t message, PcbHandle rule, PcbRuleRecord* r) {
  return ExchangeObjectRecord<TRuleObject>(message, rule, r);
}

int32_t QueryRuleEx(uint8_t message, PcbHandle rule, PcbRuleExRecord* r) {
  return ExchangeObjectRecord<TRuleObject>(message, rule, r);
}

int32_t QueryRuleExt(uint8_t message, PcbHandle rule, PcbRuleExtRecord* r) {
  return ExchangeObjectRecord<TRuleObject>(message, rule, r);
}

int32_t QueryRuleExtEx(uint8_t message, PcbHandle rule, PcbShortString* name) {
  return ExchangeObjectRecord<TRuleObject>(message, rule, name);
}

int32_t GetState_SubScopesCount(PcbHandle rule, uint8_t scope) {
  const std::vector<PcbSubScopeRecord>* subScopes = SubScopesOf(rule, scope, nullptr);
  return subScopes ? static_cast<int32_t>(subScopes->size()) : 0;
}

int32_t GetState_SubscopeAt(PcbHandle rule, uint8_t scope, int32_t index, PcbSubScopeRecord* r) {
  const std::vector<PcbSubScopeRecord>* subScopes = SubScopesOf(rule, scope, nullptr);
  if (!subScopes || !r || index < 0 || static_cast<std::size_t>(index) >= subScopes->size())
    return kPcbFail;
  *r = (*subScopes)[static_cast<std::size_t>(index)];
  return kPcbOk;
}

int32_t SetState_DeleteAllSubScopes(PcbHandle rule, uint8_t scope) {
  TRuleObject* owner = nullptr;
  std::vector<PcbSubScopeRecord>* subScopes = SubScopesOf(rule, scope, &owner);
  if (!subScopes) return kPcbFail;
  ServerModel()->Change(*owner, [&] { subScopes->clear(); });
  return kPcbOk;
}

int32_t SetState_AddSubscope(PcbHandle rule, uint8_t scope, const PcbSubScopeRecord* r) {
  TRuleObject* owner = nullptr;
  std::vector<PcbSubScopeRecord>* subScopes = SubScopesOf(rule, scope, &owner);
  if (!subScopes || !r || subScopes->size() >= kMaxSubScopes) return kPcbFail;
  ServerModel()->Change(*owner, [&] { subScopes->push_back(*r); });
  return kPcbOk;
}

int32_t QueryRuleClearanceConstraint(uint8_t message, PcbHandle rule,
                                     PcbClearanceConstraintRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleParallelSegmentConstraint(uint8_t message, PcbHandle rule,
                                           PcbParallelSegmentConstraintRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleMaxMinWidthConstraintExt(uint8_t message, PcbHandle rule,
                                          PcbMaxMinWidthConstraintRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleDaisyChainStubLengthConstraint(uint8_t message, PcbHandle rule,
                                                PcbDaisyChainStubLengthConstraintRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleRoutingTopologyRule(uint8_t message, PcbHandle rule,
                                     PcbRoutingTopologyRuleRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleRoutingLayersRule(uint8_t message, PcbHandle rule,
                                   PcbRoutingLayersRuleRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleRoutingViaStyleRuleExt(uint8_t message, PcbHandle rule,
                                        PcbRoutingViaStyleRuleRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleViasUnderSMDConstraint(uint8_t message, PcbHandle rule,
                                        PcbViasUnderSMDConstraintRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleMaximumViaCountRule(uint8_t message, PcbHandle rule,
                                     PcbMaximumViaCountRuleRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

int32_t QueryRuleSMDToCorner(uint8_t message, PcbHandle rule, PcbSMDToCornerRecord* r) {
  return ExchangeConstraint(message, rule, r);
}

}  // namespace standin::api
