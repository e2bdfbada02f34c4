// A from-to connection of a net or of a from-to group: two pin references, the net it names,
// its type and the rules it carries. From-tos do not become host objects of their own; a
// from-to group lists them as members of its host class.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/base/SpecctraList.h"
#include "model/network/AbstractNetworkDescriptor.h"
#include "model/rules/RuleScopeOwner.h"

// The from-to's (type ...).
enum TSpecctraFromToType : uint8_t { eFromTo_Normal = 0, eFromTo_Fix = 1, eFromTo_Soft = 2 };

class TSpecctraFromTo : public TSpecctraAbstractNetGroupObject, public TRuleScopeOwner {
public:
  using TSpecctraAbstractNetGroupObject::TSpecctraAbstractNetGroupObject;
  std::string_view ClassName() const override { return "TSpecctraFromTo"; }
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::FromTo; }

  //   (fromto from-pin to-pin (net name) (type fix|normal|soft) (rule ...) (circuit ...)
  //    (layer_rule ...))
  // The two pin references come first. A terminal that is no pin reference of the design
  // (a component's name, a text without hyphen) is reported and fails the from-to; so does a
  // virtual pin. A failed from-to's block is skipped to its end.
  bool LoadFromFile() override;

  const std::string& NetName() const { return FNetName; }
  const std::string& FromTerminal() const { return FFromTerminal; }
  const std::string& ToTerminal() const { return FToTerminal; }
  uint8_t Type() const { return FType; }
  bool HasBothTerminals() const { return !FFromTerminal.empty() && !FToTerminal.empty(); }
  // The from-to as a member of a host class: its two pin references joined by a colon
  // (a from-to has no name of its own).
  std::string MemberName() const { return FFromTerminal + ":" + FToTerminal; }

private:
  // One statement or terminal of the loop; answers false when the from-to fails.
  bool LoadToken(int32_t id, int32_t& terminals);
  // The terminal from the current token, or empty (reported) when it is no pin reference.
  std::string CheckedTerminal();
  bool LoadType();

  std::string FNetName;
  std::string FFromTerminal;
  std::string FToTerminal;
  uint8_t FType = eFromTo_Normal;
};

// Loads a from-to statement (after its keyword) for the owner, closes it in the owner's depth,
// and files it in the list when it loaded with both terminals, else in dropped (kept alive
// for the rule scopes that name it, never translated). Answers the load's result.
bool LoadFromToInto(TSpecctraObject& owner, std::unique_ptr<TSpecctraList>& list,
                    TSpecctraList& dropped);
