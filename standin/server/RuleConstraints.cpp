#include "server/RuleConstraints.h"

#include "server/DocumentFields.h"

namespace standin {
namespace {

constexpr int32_t kMil = 10000;

template <class V, class C>
void KindConstraintFields(V& v, uint8_t ruleKind, C& values) {
  switch (ruleKind) {
    case kRuleClearance: v("gap", std::get<PcbClearanceConstraintRecord>(values).gap); break;
    case kRuleParallelSegment: {
      auto& r = std::get<PcbParallelSegmentConstraintRecord>(values);
      v("limit", r.limit);
      v("gap", r.gap);
      break;
    }
    case kRuleWidth: {
      auto& r = std::get<PcbMaxMinWidthConstraintRecord>(values);
      v("maximum", r.maximum);
      v("minimum", r.minimum);
      v("preferred", r.preferred);
      break;
    }
    case kRuleStubLength:
      v("maxStubLength", std::get<PcbDaisyChainStubLengthConstraintRecord>(values).maxStubLength);
      break;
    case kRuleRoutingTopology:
      v("topology", std::get<PcbRoutingTopologyRuleRecord>(values).topology);
      break;
    case kRuleRoutingLayers:
      v("layers", std::get<PcbRoutingLayersRuleRecord>(values).layers);
      break;
    case kRuleRoutingVias: {
      auto& r = std::get<PcbRoutingViaStyleRuleRecord>(values);
      v("minimumViaSize", r.minimumViaSize);
      v("maximumViaSize", r.maximumViaSize);
      v("preferredViaSize", r.preferredViaSize);
      v("minimumHoleSize", r.minimumHoleSize);
      v("maximumHoleSize", r.maximumHoleSize);
      v("preferredHoleSize", r.preferredHoleSize);
      break;
    }
    case kRuleViasUnderSMD:
      v("allowed", std::get<PcbViasUnderSMDConstraintRecord>(values).allowed);
      break;
    case kRuleMaximumViaCount:
      v("viaCount", std::get<PcbMaximumViaCountRuleRecord>(values).viaCount);
      break;
    case kRuleSMDToCorner: v("distance", std::get<PcbSMDToCornerRecord>(values).distance); break;
    default: break;
  }
}

}  // namespace

TRuleConstraints DefaultRuleConstraints() {
  TRuleConstraints values{};
  std::get<PcbClearanceConstraintRecord>(values) = {10 * kMil};
  std::get<PcbParallelSegmentConstraintRecord>(values) = {500 * kMil, 10 * kMil};
  std::get<PcbMaxMinWidthConstraintRecord>(values) = {10 * kMil, 10 * kMil, 10 * kMil};
  std::get<PcbDaisyChainStubLengthConstraintRecord>(values) = {1000 * kMil};
  std::get<PcbRoutingViaStyleRuleRecord>(values) = {50 * kMil, 50 * kMil, 50 * kMil,
                                                    28 * kMil, 28 * kMil, 28 * kMil};
  std::get<PcbMaximumViaCountRuleRecord>(values) = {1000};
  return values;
}

void ConstraintFields(TFieldWriter& writer, uint8_t ruleKind, const TRuleConstraints& values) {
  KindConstraintFields(writer, ruleKind, values);
}

void ConstraintFields(TFieldReader& reader, uint8_t ruleKind, TRuleConstraints& values) {
  KindConstraintFields(reader, ruleKind, values);
}

}  // namespace standin
