#include "model/rules/SingleValueRules.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraSingleValueRule::LoadFromFile() {
  bool valueRead = false;
  bool valueOk = false;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (valueRead || id == tkOpenParen || id == tkCloseParen) return false;
    valueRead = true;
    valueOk = TakeValue();
    return true;
  });
  if (!valueRead && Parser()) Parser()->ReportUnexpected();  // (width) names no value
  return loopResult && valueRead && valueOk;
}

bool TSpecctraWidthRule::TakeValue() { return Parser()->CurrentAsFloat(FWidth); }

void TSpecctraWidthRule::WriteConstraints(PcbHandle rule) {
  const int32_t maximum = ToBoardLength(FWidth * 1.2);
  const int32_t minimum = ToBoardLength(FWidth * 0.8);
  const int32_t preferred = ToBoardLength(FWidth);
  ChangeRuleConstraint<PcbMaxMinWidthConstraintRecord>(rule, [&](auto& record) {
    record.maximum = maximum;
    record.minimum = minimum;
    record.preferred = preferred;
  });
}

bool TSpecctraStubLengthRule::TakeValue() { return Parser()->CurrentAsFloat(FMaxStubLength); }

void TSpecctraStubLengthRule::WriteConstraints(PcbHandle rule) {
  const int32_t length = ToBoardLength(FMaxStubLength);
  ChangeRuleConstraint<PcbDaisyChainStubLengthConstraintRecord>(
      rule, [&](auto& record) { record.maxStubLength = length; });
}

bool TSpecctraMaxViaCountRule::TakeValue() { return Parser()->CurrentAsInteger(FMaxViaCount); }

bool TSpecctraMaxViaCountRule::ExportToPcb() {
  if (AddHostRule(kRuleMaximumViaCount)) return true;
  ReportError("Error adding Max Via count rule to the board for " + OwnerName());
  return false;
}

void TSpecctraMaxViaCountRule::BeforeScope(TVelorKyxRule& rule) {
  rule.SetName(HostRuleName(rule, this));
}

void TSpecctraMaxViaCountRule::WriteConstraints(PcbHandle rule) {
  ChangeRuleConstraint<PcbMaximumViaCountRuleRecord>(
      rule, [&](auto& record) { record.viaCount = FMaxViaCount; });
}
