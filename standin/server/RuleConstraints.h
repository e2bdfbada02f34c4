// The constraint values of the host rule kinds that have them: one record per kind, chosen by
// its type, with the values a new rule starts with and their names in board documents.
#pragma once

#include <cstdint>
#include <tuple>

#include "host/PcbApi.h"

namespace standin {

class TFieldReader;
class TFieldWriter;

using TRuleConstraints =
    std::tuple<PcbClearanceConstraintRecord, PcbParallelSegmentConstraintRecord,
               PcbMaxMinWidthConstraintRecord, PcbDaisyChainStubLengthConstraintRecord,
               PcbRoutingTopologyRuleRecord, PcbRoutingLayersRuleRecord,
               PcbRoutingViaStyleRuleRecord, PcbViasUnderSMDConstraintRecord,
               PcbMaximumViaCountRuleRecord, PcbSMDToCornerRecord>;

// The rule kind whose values a record type holds.
template <class Record>
constexpr uint8_t ConstraintKindOf() {
  if constexpr (std::is_same_v<Record, PcbClearanceConstraintRecord>) return kRuleClearance;
  if constexpr (std::is_same_v<Record, PcbParallelSegmentConstraintRecord>)
    return kRuleParallelSegment;
  if constexpr (std::is_same_v<Record, PcbMaxMinWidthConstraintRecord>) return kRuleWidth;
  if constexpr (std::is_same_v<Record, PcbDaisyChainStubLengthConstraintRecord>)
    return kRuleStubLength;
  if constexpr (std::is_same_v<Record, PcbRoutingTopologyRuleRecord>)
    return kRuleRoutingTopology;
  if constexpr (std::is_same_v<Record, PcbRoutingLayersRuleRecord>) return kRuleRoutingLayers;
  if constexpr (std::is_same_v<Record, PcbRoutingViaStyleRuleRecord>) return kRuleRoutingVias;
  if constexpr (std::is_same_v<Record, PcbViasUnderSMDConstraintRecord>)
    return kRuleViasUnderSMD;
  if constexpr (std::is_same_v<Record, PcbMaximumViaCountRuleRecord>)
    return kRuleMaximumViaCount;
  if constexpr (std::is_same_v<Record, PcbSMDToCornerRecord>) return kRuleSMDToCorner;
}

// The values of a new rule of any kind.
TRuleConstraints DefaultRuleConstraints();

// The values of the rule kind under their names ("gap", "maximum", "layers" ...); nothing for
// a kind without values.
void ConstraintFields(TFieldWriter& writer, uint8_t ruleKind, const TRuleConstraints& values);
void ConstraintFields(TFieldReader& reader, uint8_t ruleKind, TRuleConstraints& values);

}  // namespace standin
