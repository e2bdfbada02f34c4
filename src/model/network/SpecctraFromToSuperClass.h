// A from-to group set (Specctra group_set): the names of from-to groups, and the rules it
// carries. On design import it becomes a host class of from-tos holding the from-tos of the
// groups it names.
#pragma once

#include "model/network/MemberNameGroup.h"
#include "model/rules/RuleScopeOwner.h"

class TSpecctraFromToSuperClass : public TSpecctraMemberNameGroup, public TRuleScopeOwner {
public:
  using TSpecctraMemberNameGroup::TSpecctraMemberNameGroup;
  std::string_view ClassName() const override { return "TSpecctraFromToSuperClass"; }
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::GroupSet; }

  //   (group_set name group ... (composite ...) (rule ...) (circuit ...) (layer_rule ...))
  // Creates the host class; a group name the network does not know is reported and left
  // out. Answers true.
  bool ExportToPcb() override;
};
