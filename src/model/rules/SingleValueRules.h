// The rules of one value: the wire width, the longest stub and the most vias of a connection.
// Each becomes one host rule.
#pragma once

#include <cstdint>

#include "model/rules/AbstractRule.h"

// A rule statement holding exactly one number: (keyword value).
class TSpecctraSingleValueRule : public TSpecctraAbstractRule {
public:
  using TSpecctraAbstractRule::TSpecctraAbstractRule;
  // After the keyword; false unless exactly one number stands before the statement's end.
  bool LoadFromFile() override;

protected:
  // Converts the statement's value; false (reported) when it is no number of the kind.
  virtual bool TakeValue() = 0;
};

// (width w): host Width rule with maximum 1.2 w, minimum 0.8 w, preferred w.
class TSpecctraWidthRule : public TSpecctraSingleValueRule {
public:
  explicit TSpecctraWidthRule(TAbstractRuleScope& scope)
      : TSpecctraSingleValueRule(scope, eWidth_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraWidthRule"; }
  bool ExportToPcb() override { return AddHostRule(kRuleWidth); }
  double Width() const { return FWidth; }

protected:
  bool TakeValue() override;
  void WriteConstraints(PcbHandle rule) override;

private:
  double FWidth = 0;
};

// (max_stub l): host StubLength rule.
class TSpecctraStubLengthRule : public TSpecctraSingleValueRule {
public:
  explicit TSpecctraStubLengthRule(TAbstractRuleScope& scope)
      : TSpecctraSingleValueRule(scope, eMaxStub_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraStubLengthRule"; }
  bool ExportToPcb() override { return AddHostRule(kRuleStubLength); }
  double MaxStubLength() const { return FMaxStubLength; }

protected:
  bool TakeValue() override;
  void WriteConstraints(PcbHandle rule) override;

private:
  double FMaxStubLength = 0;
};

// (max_total_vias n): host MaximumViaCount rule.
class TSpecctraMaxViaCountRule : public TSpecctraSingleValueRule {
public:
  explicit TSpecctraMaxViaCountRule(TAbstractRuleScope& scope)
      : TSpecctraSingleValueRule(scope, eMaxTotalVias_Rule) {}
  std::string_view ClassName() const override { return "TSpecctraMaxViaCountRule"; }
  // Reports the board's refusal.
  bool ExportToPcb() override;
  int32_t MaxViaCount() const { return FMaxViaCount; }

protected:
  bool TakeValue() override;
  void BeforeScope(TVelorKyxRule& rule) override;
  void WriteConstraints(PcbHandle rule) override;

private:
  int32_t FMaxViaCount = 0;
};
