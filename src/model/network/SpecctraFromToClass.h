// A from-to group (Specctra group) of the network section: its from-tos and the rules it
// carries. On design import it becomes a host class of from-tos named as the group.
#pragma once

#include <memory>

#include "model/base/SpecctraList.h"
#include "model/network/AbstractNetworkDescriptor.h"
#include "model/rules/RuleScopeOwner.h"

class TSpecctraFromToClass : public TSpecctraAbstractNetGroupObject, public TRuleScopeOwner {
public:
  // The host class is made by ExportToPcb; nil until then.
  explicit TSpecctraFromToClass(TSpecctraObject* owner);
  ~TSpecctraFromToClass() override;
  std::string_view ClassName() const override { return "TSpecctraFromToClass"; }
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::Group; }

  //   (group name (fromto ...) ... (rule ...) (circuit ...) (layer_rule ...))
  bool LoadFromFile() override;
  // Creates the host class of from-tos; answers true (also when the board refuses it).
  bool ExportToPcb() override;

  // Nil before the first fromto statement.
  const TSpecctraList* FromTos() const { return FFromTos.get(); }
  // The host member names of the group's from-tos, in order.
  std::vector<std::string> FromToMemberNames() const;

private:
  bool LoadFromTo();

  std::unique_ptr<TSpecctraList> FFromTos;
  TSpecctraList FDroppedFromTos;
};
