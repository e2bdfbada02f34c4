// The object a rule block belongs to (the board, a layer, a net, a class ...), as a rule
// scope: it parses the rule block and answers the host query expressions of its rules.
#pragma once

#include <cstdint>
#include <string>

#include "model/base/SpecctraObject.h"

class TAbstractRuleScope : public TSpecctraObject {
public:
  explicit TAbstractRuleScope(TSpecctraObject* owner, uint8_t scopeKind = 0)
      : TSpecctraObject(owner), FScopeKind(scopeKind) {}
  std::string_view ClassName() const override { return "TAbstractRuleScope"; }

  uint8_t ScopeKind() const { return FScopeKind; }

  virtual std::string GetFirstScopeExpression() const { return "All"; }
  virtual std::string GetSecondScopeExpression() const { return "All"; }
  virtual std::string GetUnaryScopeExpression() const { return GetFirstScopeExpression(); }
  virtual void GetBinaryScopeExpressions(std::string& first, std::string& second) const {
    first = GetFirstScopeExpression();
    second = GetSecondScopeExpression();
  }

private:
  uint8_t FScopeKind;
};

// The scope kind that a rule block opened by the keyword takes inside the owner; 0 when the
// owner carries no rules of that keyword.
uint8_t ScopeKindFor(const TSpecctraObject& owner, int32_t keywordId);
// A new scope of that kind for the owner, or nil.
std::unique_ptr<TAbstractRuleScope> CreateScopeFor(TSpecctraObject& owner, int32_t keywordId);
