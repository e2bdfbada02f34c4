// The order in which the pins of a net are connected: (reorder starburst), (reorder daisy) or
// (reorder daisy (type mid_driven|balanced)). Becomes a host RoutingTopology rule.
#pragma once

#include <cstdint>

#include "model/rules/AbstractRule.h"

enum TSpecctraRouteOrder : uint8_t {
  roStarburst = 0,
  roDaisy = 1,
  roDaisyMidDriven = 2,
  roDaisyBalanced = 3,
};

class TSpecctraRouteOrderRule : public TSpecctraAbstractRule {
public:
  explicit TSpecctraRouteOrderRule(TAbstractRuleScope& scope)
      : TSpecctraAbstractRule(scope, eReorder_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraRouteOrderRule"; }

  // After the keyword; any other word fails the statement, which is still read to its end.
  bool LoadFromFile() override;
  bool ExportToPcb() override { return AddHostRule(kRuleRoutingTopology); }

  uint8_t Order() const { return FOrder; }
  // The host topology value: 0 shortest, 4 daisy chain, 5 daisy balanced.
  uint8_t HostTopology() const;

protected:
  void WriteConstraints(PcbHandle rule) override;

private:
  uint8_t FOrder = roStarburst;
};
