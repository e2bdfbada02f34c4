#include "rtl/RuleConstraints.h"

#include "rtl/HostCall.h"

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbClearanceConstraintRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleClearanceConstraint);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule,
                            PcbParallelSegmentConstraintRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleParallelSegmentConstraint);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbMaxMinWidthConstraintRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleMaxMinWidthConstraintExt);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule,
                            PcbDaisyChainStubLengthConstraintRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleDaisyChainStubLengthConstraint);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbRoutingTopologyRuleRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleRoutingTopologyRule);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbRoutingLayersRuleRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleRoutingLayersRule);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbRoutingViaStyleRuleRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleRoutingViaStyleRuleExt);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbViasUnderSMDConstraintRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleViasUnderSMDConstraint);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbMaximumViaCountRuleRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleMaximumViaCountRule);
  return CallHost(query, message, rule, &r);
}

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbSMDToCornerRecord& r) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleSMDToCorner);
  return CallHost(query, message, rule, &r);
}
