#include "model/rules/AbstractRule.h"

#include "common/AsciiText.h"
#include "model/base/BoardHelpers.h"
#include "model/rules/HostRuleKinds.h"
#include "rtl/PcbObjectCalls.h"

bool TSpecctraAbstractRule::ApplyScope(TPcbRuleEx* hostRule) {
  if (!hostRule) return false;
  std::string first = hostRule->GetScope1();
  std::string second = hostRule->GetScope2();
  GetScopeExpressions(hostRule->GetRuleKind(), first, second);
  hostRule->SetScope1(first);
  if (IsBinaryHostRuleKind(hostRule->GetRuleKind())) hostRule->SetScope2(second);
  hostRule->Update(kPcbMessageWrite);
  return true;
}

void TSpecctraAbstractRule::GetScopeExpressions(uint8_t hostKind, std::string& first,
                                                std::string& second) const {
  if (IsBinaryHostRuleKind(hostKind))
    FScope->GetBinaryScopeExpressions(first, second);
  else
    first = FScope->GetUnaryScopeExpression();
}

bool TSpecctraAbstractRule::AddHostRule(uint8_t hostKind) {
  const PcbHandle handle = CreatePcbRuleObject(hostKind);
  if (!handle) return false;
  TVelorKyxRule rule(handle);
  rule.Update(kPcbMessageRead);
  BeforeScope(rule);
  ApplyScope(&rule);
  AfterScope(rule);
  rule.SetName(HostRuleName(rule, this));
  rule.Update(kPcbMessageWrite);
  WriteConstraints(handle);
  const bool added = AddPcbObjectToContainer(GetBoardHandle(), handle) == kPcbOk;
  if (!added) DestroyPcbObject(handle);
  return added;
}

std::string MakeHostRuleName(uint8_t hostKind, const TSpecctraAbstractRule* rule) {
  if (!rule) return "ERROR: Invalid Rule Name";
  return CutText(std::string(HostRuleKindName(hostKind)) + " " + rule->OwnerName());
}

std::string HostRuleName(const TPcbRuleEx& hostRule, const TSpecctraAbstractRule* rule) {
  return MakeHostRuleName(hostRule.GetRuleKind(), rule);
}
