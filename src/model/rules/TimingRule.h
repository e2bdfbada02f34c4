// The length tuning of serpentine wiring: (length_amplitude a [b]) and (length_gap g). Kept
// from the design; the board has no rule for it.
#pragma once

#include "model/rules/AbstractRule.h"

class TSpecctraTimingRule : public TSpecctraAbstractRule {
public:
  // keywordId: length_amplitude or length_gap, the statement that created the rule.
  TSpecctraTimingRule(TAbstractRuleScope& scope, int32_t keywordId)
      : TSpecctraAbstractRule(scope, eLengthGap_Rule), FKeywordId(keywordId) {}
  std::string_view ClassName() const override { return "TSpecctraTimingRule"; }

  // length_amplitude takes one or two numbers (the second replaces the first), length_gap one.
  bool LoadFromFile() override;

  double LengthGap() const { return FLengthGap; }
  double LengthAmplitude() const { return FLengthAmplitude; }

private:
  int32_t FKeywordId;
  double FLengthGap = 0;
  double FLengthAmplitude = 0;
};
