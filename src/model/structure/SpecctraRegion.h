// (region [id] (polygon ...)|(rect ...) (region_class ...) (rule ...) ...): an area with
// rules of its own. Kept for its rules, which the rule collection files under region scopes;
// nothing of it is drawn on the board.
#pragma once

#include <memory>
#include <string>

#include "model/base/SpecctraObject.h"
#include "model/geometry/SpecctraAbstractGeometryShape.h"
#include "model/rules/RuleScopeOwner.h"

class TSpecctraRegion : public TSpecctraObject, public TRuleScopeOwner {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraRegion"; }

  // The identifier also becomes the region's name, by which its rules are reported.
  bool LoadFromFile() override;
  TRuleOwnerKind RuleOwnerKind() const override { return TRuleOwnerKind::Region; }

  const std::string& Identifier() const { return FIdentifier; }
  // The last shape loaded; nil when none.
  TSpecctraAbstractGeometryShape* Shape() const { return FShape.get(); }

private:
  bool HandleStatement(int32_t id, bool& result);
  bool LoadShape(std::unique_ptr<TSpecctraAbstractGeometryShape> shape);

  std::string FIdentifier;
  std::unique_ptr<TSpecctraAbstractGeometryShape> FShape;
};
