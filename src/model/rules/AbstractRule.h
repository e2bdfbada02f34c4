// A parsed rule statement of a rule block, kept in the file's rule collection by its kind.
#pragma once

#include "model/rules/AbstractRuleScope.h"
#include "model/base/SpecctraValueTypes.h"

class TSpecctraAbstractRule : public TSpecctraObject {
public:
  TSpecctraAbstractRule(TSpecctraObject* owner, TAbstractRuleScope* scope, TSpecctraRuleKind kind)
      : TSpecctraObject(owner), FScope(scope), FRuleKind(kind) {}
  std::string_view ClassName() const override { return "TSpecctraAbstractRule"; }

  TAbstractRuleScope* Scope() const { return FScope; }
  TSpecctraRuleKind RuleKind() const { return FRuleKind; }

private:
  TAbstractRuleScope* FScope;
  TSpecctraRuleKind FRuleKind;
};
