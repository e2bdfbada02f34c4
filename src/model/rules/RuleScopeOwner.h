// What a rule block's owner tells the rule scopes about itself. The objects that carry rule
// blocks and are not known to the scope factory by their class (net classes, from-to groups,
// group sets, from-tos, class-to-class pairs, padstacks, regions) implement this mix-in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

enum class TRuleOwnerKind : uint8_t {
  None,
  Board,         // the structure section
  Layer,
  NetClass,
  GroupSet,      // a group of from-to groups
  Net,
  Group,         // a from-to group
  FromTo,
  ClassToClass,
  Padstack,
  Region,
};

class TRuleScopeOwner {
public:
  virtual ~TRuleScopeOwner() = default;
  virtual TRuleOwnerKind RuleOwnerKind() const = 0;
  // The net class names of a class-to-class pair, in statement order; other owners have none.
  virtual std::vector<std::string> ScopeClassNames() const { return {}; }
};
