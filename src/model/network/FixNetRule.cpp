#include "model/network/FixNetRule.h"

#include <string>

#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"

void AddFixNetRule(PcbHandle board, std::string_view netName) {
  const PcbHandle handle = CreatePcbRuleObject(kRuleRoutingLayers);
  if (!handle) return;
  if (AddPcbObjectToContainer(board, handle) != kPcbOk) {
    DestroyPcbObject(handle);
    return;
  }
  TPcbRuleEx rule(handle);
  rule.Update(kPcbMessageRead);
  rule.SetName("Don't route net " + std::string(netName));
  rule.SetScope1("InNet('" + std::string(netName) + "')");
  rule.Update(kPcbMessageWrite);
  // Not one layer is open to the router.
  PcbRoutingLayersRuleRecord layers{};
  QueryRuleConstraint(kPcbMessageWrite, handle, layers);
}
