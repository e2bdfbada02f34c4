// A parsed rule statement of a rule block, kept in the file's rule collection by its kind. On
// design import it becomes host design rules whose scopes its rule scope writes in the host's
// query language.
#pragma once

#include <cstdint>
#include <string>

#include "model/base/SpecctraValueTypes.h"
#include "model/rules/AbstractRuleScope.h"
#include "rtl/PcbRules.h"
#include "rtl/RuleConstraints.h"

class TSpecctraAbstractRule : public TSpecctraObject {
public:
  // The rule belongs to the scope's owner (the net, class, layer ...).
  TSpecctraAbstractRule(TAbstractRuleScope& scope, TSpecctraRuleKind kind)
      : TSpecctraObject(scope.Owner()), FScope(&scope), FRuleKind(kind) {}
  std::string_view ClassName() const override { return "TSpecctraAbstractRule"; }

  TAbstractRuleScope* Scope() const { return FScope; }
  TSpecctraRuleKind RuleKind() const { return FRuleKind; }
  // The name of the object the rule belongs to, as it stands now.
  const std::string& OwnerName() const { return Owner()->Name(); }

  // Writes the scope's expressions into the host rule (both for a two-sided kind, as the host
  // rule reports its kind) and writes the rule. False for no rule.
  virtual bool ApplyScope(TPcbRuleEx* hostRule);
  // The scope's expressions for a host rule kind; the second is left alone for a one-sided kind.
  void GetScopeExpressions(uint8_t hostKind, std::string& first, std::string& second) const;

protected:
  // Creates one host rule of the kind, applies the scope, names it, writes its values and adds
  // it to the board; a rule the board refuses is destroyed. Answers whether it was added.
  bool AddHostRule(uint8_t hostKind);
  // Steps of AddHostRule for the classes to fill in: before and after the scope is applied,
  // and the constraint values once the rule is named and written.
  virtual void BeforeScope(TVelorKyxRule& /*rule*/) {}
  virtual void AfterScope(TVelorKyxRule& /*rule*/) {}
  virtual void WriteConstraints(PcbHandle /*rule*/) {}

private:
  TAbstractRuleScope* FScope;
  TSpecctraRuleKind FRuleKind;
};

// The host rule kind's name, a blank and the rule owner's name, cut to 255 characters;
// "ERROR: Invalid Rule Name" without a rule.
std::string MakeHostRuleName(uint8_t hostKind, const TSpecctraAbstractRule* rule);
// The same with the kind the host rule holds.
std::string HostRuleName(const TPcbRuleEx& hostRule, const TSpecctraAbstractRule* rule);

// Reads the constraint record of a host rule, lets the caller change it and writes it back.
// Answers the status of the write.
template <class Record, class Change>
int32_t ChangeRuleConstraint(PcbHandle rule, Change&& change) {
  Record record{};
  QueryRuleConstraint(kPcbMessageRead, rule, record);
  change(record);
  return QueryRuleConstraint(kPcbMessageWrite, rule, record);
}
