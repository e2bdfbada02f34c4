#include "model/library/ViaStyleRule.h"

#include <string>

#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"

bool CreateViaStyleRule(PcbHandle board, const TViaPadstackFacts& padstack,
                        std::string_view namePrefix, std::string_view scopeText) {
  if (!padstack.IsVia || padstack.IsSpare) return false;
  const PcbHandle handle = CreatePcbRuleObject(kRuleRoutingVias);
  if (!handle) return false;
  TPcbRuleEx rule(handle);
  rule.Update(kPcbMessageRead);
  PcbRoutingViaStyleRuleRecord style{};
  QueryRuleConstraint(kPcbMessageRead, handle, style);
  if (!padstack.HasGeometry) {
    DestroyPcbObject(handle);
    return false;
  }
  if (!scopeText.empty()) rule.SetScope1(scopeText);
  std::string name = "Via style " + padstack.Name;
  if (!namePrefix.empty()) name = std::string(namePrefix) + " " + name;
  rule.SetName(name);
  style.minimumViaSize = style.maximumViaSize = style.preferredViaSize = padstack.Diameter;
  const int32_t hole = padstack.Diameter / 2;
  style.minimumHoleSize = style.maximumHoleSize = style.preferredHoleSize = hole;
  QueryRuleConstraint(kPcbMessageWrite, handle, style);
  rule.Update(kPcbMessageWrite);
  if (AddPcbObjectToContainer(board, handle) == kPcbOk) return true;
  DestroyPcbObject(handle);
  return false;
}
