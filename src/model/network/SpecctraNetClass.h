// A net class of the network section: its member nets and the rules it carries. On design
// import it becomes a host class of nets with the same name and members.
#pragma once

#include <memory>

#include "model/network/MemberNameGroup.h"
#include "model/network/SpecctraTopology.h"
#include "model/rules/RuleScopeOwner.h"

class TSpecctraNetClass : public TSpecctraMemberNameGroup, public TRuleScopeOwner {
public:
  using TSpecctraMemberNameGroup::TSpecctraMemberNameGroup;
  std::string_view ClassName() const override { return "TSpecctraNetClass"; }
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::NetClass; }

  //   (class name net ... (composite ...) (rule ...) (circuit ...) (layer_rule ...)
  //    (topology ...))
  // Creates the host class of nets; answers true (also when the board refuses it).
  bool ExportToPcb() override;

  // Nil before the first topology statement.
  TSpecctraTopologyDescriptor* Topology() const { return FTopology.get(); }

protected:
  bool LoadStatement(int32_t id, bool& result) override;

private:
  std::unique_ptr<TSpecctraTopologyDescriptor> FTopology;
};
