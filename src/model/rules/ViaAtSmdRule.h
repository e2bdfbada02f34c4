// Whether vias may sit under SMD pads: (via_at_smd on|off (grid on|off) (fit on|off)).
// Becomes a host ViasUnderSMD rule with the allowed flag.
#pragma once

#include <cstdint>

#include "model/rules/AbstractRule.h"

class TSpecctraViaAtSmdRule : public TSpecctraAbstractRule {
public:
  explicit TSpecctraViaAtSmdRule(TAbstractRuleScope& scope)
      : TSpecctraAbstractRule(scope, eViaAtSmd_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraViaAtSmdRule"; }

  bool LoadFromFile() override;
  bool ExportToPcb() override { return AddHostRule(kRuleViasUnderSMD); }

  uint8_t Allowed() const { return FAllowed; }
  uint8_t Grid() const { return FGrid; }
  uint8_t Fit() const { return FFit; }

protected:
  void WriteConstraints(PcbHandle rule) override;

private:
  uint8_t FAllowed = 0;
  uint8_t FGrid = 0;
  uint8_t FFit = 0;
};
