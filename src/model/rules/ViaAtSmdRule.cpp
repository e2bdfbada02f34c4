#include "model/rules/ViaAtSmdRule.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraViaAtSmdRule::LoadFromFile() {
  TSpecctraParser& parser = *Parser();
  // on and off set the flag of the innermost statement: the rule's own, grid or fit.
  uint8_t* selected = &FAllowed;
  return RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("grid"): selected = &FGrid; return true;
      case KeywordId("fit"): selected = &FFit; return true;
      case KeywordId("on"):
      case KeywordId("off"): *selected = parser.IsTokenOn() ? 1 : 0; return true;
      default: return false;
    }
  });
}

void TSpecctraViaAtSmdRule::WriteConstraints(PcbHandle rule) {
  ChangeRuleConstraint<PcbViasUnderSMDConstraintRecord>(
      rule, [&](auto& record) { record.allowed = FAllowed; });
}
