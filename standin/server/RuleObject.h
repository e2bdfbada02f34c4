// A design rule: its host rule kind (fixed when it is created), name, scope expressions and
// sub-scopes, the flags of its records and the constraint values of its kind.
#pragma once

#include <array>
#include <vector>

#include "server/BoardObject.h"
#include "server/RuleConstraints.h"

namespace standin {

class TRuleObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectRule;
  // A new rule applies to everything ("All" in both scopes) on MultiLayer.
  explicit TRuleObject(uint8_t ruleKind = kRuleClearance);
  static bool IsRuleKind(uint8_t ruleKind) { return ruleKind < kRuleKindCount; }

  uint8_t RuleKind() const { return FRuleKind; }
  // The rule kind in the records is the rule's own; a write cannot change it.
  void Give(PcbRuleExRecord& record) const;
  void Take(const PcbRuleExRecord& record);
  void Give(PcbRuleExtRecord& record) const;
  void Take(const PcbRuleExtRecord& record);
  void Give(PcbRuleRecord& record) const { record = FRecord; }
  void Take(const PcbRuleRecord& record) { FRecord = record; }
  void Give(PcbShortString& name) const { name = FName; }
  void Take(const PcbShortString& name) { FName = name; }

  // The constraint values, when the record is the one of the rule's kind.
  template <class Constraint>
  Constraint* Constraints() {
    return ConstraintKindOf<Constraint>() == FRuleKind ? &std::get<Constraint>(FConstraints)
                                                       : nullptr;
  }

  // Sub-scopes of scope 1 and 2; nil for another scope number.
  std::vector<PcbSubScopeRecord>* SubScopes(uint8_t scope);

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  // The document fields; Self is the rule or the const rule.
  template <class V, class Self>
  static void Fields(V& v, Self& self);

  uint8_t FRuleKind;
  PcbShortString FName{};
  uint8_t FReserved1 = 0;
  int32_t FReserved2 = -1;
  uint8_t FLayerRelation = kPcbRuleSameLayer;
  PcbShortString FScope1{};
  PcbShortString FScope2{};
  uint8_t FSameNet = 0;
  uint8_t FExtReserved1 = 0;
  PcbRuleRecord FRecord{};
  std::array<std::vector<PcbSubScopeRecord>, 2> FSubScopes;
  TRuleConstraints FConstraints;
};

}  // namespace standin
