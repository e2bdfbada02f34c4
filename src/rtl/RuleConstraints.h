// The constraint values of host rules, one exchange per rule kind that has them, chosen by the
// record type. Each answers 1 for a rule of another kind, and 0 (record unchanged) when the
// entry point is missing.
#pragma once

#include <cstdint>

#include "host/PcbApi.h"

int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbClearanceConstraintRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbParallelSegmentConstraintRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbMaxMinWidthConstraintRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule,
                            PcbDaisyChainStubLengthConstraintRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbRoutingTopologyRuleRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbRoutingLayersRuleRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbRoutingViaStyleRuleRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbViasUnderSMDConstraintRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbMaximumViaCountRuleRecord& r);
int32_t QueryRuleConstraint(uint8_t message, PcbHandle rule, PcbSMDToCornerRecord& r);
