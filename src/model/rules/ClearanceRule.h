// The clearance statements of one rule scope, gathered in one rule: a default gap and gaps
// between pairs of object types.
//   (clearance g)                         the scope's default gap
//   (clearance g (type pin_via smd_via))  a gap between those object types
//   (clear ...)                           the same
// On design import each becomes a host Clearance rule; a smd_to_turn_gap type becomes a host
// SMDToCorner rule.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "model/rules/AbstractRule.h"

// A gap between the object types of a set (one bit per clearance type index).
struct TClearanceConstraint {
  uint32_t Types = 0;
  int TypeCount = 0;
  double Value = 0;

  bool Has(int index) const { return (Types >> index) & 1u; }
  void Add(int index);
};

// The constraints of a clearance rule in statement order, and the one of the statement being
// read.
class TConstraintList {
public:
  TClearanceConstraint& Append(double value);
  // Forgets the current constraint (at the start of each statement).
  void ClearCurrent() { FCurrent = nullptr; }
  TClearanceConstraint* Current() const { return FCurrent; }
  const std::vector<std::unique_ptr<TClearanceConstraint>>& Items() const { return FItems; }

private:
  std::vector<std::unique_ptr<TClearanceConstraint>> FItems;
  TClearanceConstraint* FCurrent = nullptr;
};

class TSpecctraClearanceRule : public TSpecctraAbstractRule {
public:
  explicit TSpecctraClearanceRule(TAbstractRuleScope& scope)
      : TSpecctraAbstractRule(scope, eClearance_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraClearanceRule"; }

  // One clearance statement, after its keyword.
  bool LoadFromFile() override;
  // The default gap, each constraint, then the SMD-to-turn gap; always true, also when the
  // board refuses a rule.
  bool ExportToPcb() override;

  const TConstraintList& Constraints() const { return FConstraints; }
  // -1 when none was given.
  double DefaultClearance() const { return FDefaultClearance; }
  double SmdToTurnGap() const { return FSmdToTurnGap; }
  int32_t LayerDepth() const { return FLayerDepth; }

  // The two query expressions of a constraint: the scope's, each narrowed to the object
  // types of its side ("All" counts as no scope).
  void ConstraintExpressions(const TClearanceConstraint& constraint, std::string& first,
                             std::string& second) const;

private:
  void AddType(int32_t keywordId, double value);
  void ExportConstraint(const TClearanceConstraint& constraint);
  void ExportSmdToTurnGap();

  TConstraintList FConstraints;
  double FDefaultClearance = -1;
  double FSmdToTurnGap = -1;
  int32_t FLayerDepth = 0;
};

// Creates one host Clearance rule with the gap (host units), both scopes and the same-net
// flag, and adds it to the board; a rule the board refuses is destroyed.
void WriteHostClearanceRule(PcbHandle board, const std::string& name, int32_t gap,
                            const std::string& first, const std::string& second, bool sameNet);
