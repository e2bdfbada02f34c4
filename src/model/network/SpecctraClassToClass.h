// A class-to-class statement of the network section: the net classes it pairs and the rules
// between them. Its rules reach the board through the rule collection; the object itself
// makes nothing on the board.
#pragma once

#include <string>
#include <vector>

#include "model/base/SpecctraObject.h"
#include "model/rules/RuleScopeOwner.h"

class TSpecctraClassToClass : public TSpecctraObject, public TRuleScopeOwner {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraClassToClass"; }
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::ClassToClass; }
  std::vector<std::string> ScopeClassNames() const override { return FClassNames; }

  //   (class_class (classes name name ...) (rule ...) (layer_rule ...) ...)
  // On failure the rest of the statement's block is skipped, so that it always ends at its
  // own closing parenthesis.
  bool LoadFromFile() override;

  // The class names in statement order.
  const std::vector<std::string>& ClassNames() const { return FClassNames; }

private:
  bool LoadClassNames();
  // The first two class names, each followed by a blank, and " ..." when there are more.
  void SetNameFromClasses();

  std::vector<std::string> FClassNames;
};
