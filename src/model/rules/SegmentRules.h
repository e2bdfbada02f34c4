// Limits on how long two wires may run side by side on one layer (parallel segments) or on
// adjacent layers (tandem segments). Both become host ParallelSegment rules.
#pragma once

#include "model/rules/AbstractRule.h"

class TSpecctraSegmentRule : public TSpecctraAbstractRule {
public:
  using TSpecctraAbstractRule::TSpecctraAbstractRule;
  //   (parallel_segment [on|off] (gap g) (limit l))
  // The leading on is optional; off fails the statement (it still reads to its end).
  bool LoadFromFile() override;
  // Nothing to write while gap and limit are both 0 (a report line says so).
  bool ExportToPcb() override;

  double Gap() const { return FGap; }
  double Limit() const { return FLimit; }

protected:
  void BeforeScope(TVelorKyxRule& rule) override;
  void WriteConstraints(PcbHandle rule) override;

private:
  bool LoadValue(double& value);

  double FGap = 0;
  double FLimit = 0;
};

// (parallel_segment ...): wires on the same layer.
class TSpecctraParallelSegmentRule : public TSpecctraSegmentRule {
public:
  explicit TSpecctraParallelSegmentRule(TAbstractRuleScope& scope)
      : TSpecctraSegmentRule(scope, eParallelSegment_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraParallelSegmentRule"; }
};

// (tandem_segment ...): wires on adjacent layers.
class TSpecctraTandemSegmentRule : public TSpecctraSegmentRule {
public:
  explicit TSpecctraTandemSegmentRule(TAbstractRuleScope& scope)
      : TSpecctraSegmentRule(scope, eTandemSegment_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraTandemSegmentRule"; }

protected:
  void AfterScope(TVelorKyxRule& rule) override;
};
