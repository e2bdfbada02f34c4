// Which rule scope a rule block opens, by its owner and the keyword that opened it.
#include <memory>

#include "model/network/SpecctraNet.h"
#include "model/rules/RuleScopeOwner.h"
#include "model/rules/RuleScopes.h"
#include "model/structure/SpecctraLayer.h"
#include "model/structure/StructureDescriptors.h"
#include "specctra_io/SpecctraTokens.h"

namespace {

TRuleOwnerKind RuleOwnerKindOf(const TSpecctraObject& owner) {
  if (const auto* declared = dynamic_cast<const TRuleScopeOwner*>(&owner))
    return declared->RuleOwnerKind();
  if (dynamic_cast<const TSpecctraAbstractStructureDescriptor*>(&owner))
    return TRuleOwnerKind::Board;
  if (dynamic_cast<const TSpecctraLayer*>(&owner)) return TRuleOwnerKind::Layer;
  if (dynamic_cast<const TSpecctraNet*>(&owner)) return TRuleOwnerKind::Net;
  return TRuleOwnerKind::None;
}

// The region's scope kind by the statement that opened its block.
uint8_t RegionScopeKind(int32_t keywordId) {
  switch (keywordId) {
    case KeywordId("region_class"): return 17;
    case KeywordId("region_net"): return 18;
    case KeywordId("region_class_class"): return 19;
    default: return 16;
  }
}

// The scope kind created for the owner and keyword; 0 for none.
uint8_t CreatedScopeKind(TRuleOwnerKind owner, int32_t keywordId) {
  const bool layerRule = keywordId == KeywordId("layer_rule");
  switch (owner) {
    case TRuleOwnerKind::Board: return 1;
    case TRuleOwnerKind::Layer: return 2;
    case TRuleOwnerKind::NetClass: return layerRule ? 4 : 3;
    case TRuleOwnerKind::GroupSet: return layerRule ? 6 : 5;
    case TRuleOwnerKind::Net: return layerRule ? 8 : 7;
    case TRuleOwnerKind::Group: return layerRule ? 10 : 9;
    case TRuleOwnerKind::FromTo: return layerRule ? 12 : 11;
    case TRuleOwnerKind::ClassToClass: return layerRule ? 14 : 13;
    case TRuleOwnerKind::Padstack: return 15;
    case TRuleOwnerKind::Region: return RegionScopeKind(keywordId);
    default: return 0;
  }
}

std::unique_ptr<TAbstractRuleScope> NewScope(uint8_t kind, TSpecctraObject& owner) {
  switch (kind) {
    case 1: return std::make_unique<TPCBRuleScope>(&owner);
    case 2: return std::make_unique<TLayerRuleScope>(&owner);
    case 3: return std::make_unique<TClassRuleScope>(&owner);
    case 4: return std::make_unique<TClassOnLayerRuleScope>(&owner);
    case 5: return std::make_unique<TGroupSetRuleScope>(&owner);
    case 6: return std::make_unique<TGroupSetOnLayerRuleScope>(&owner);
    case 7: return std::make_unique<TNetRuleScope>(&owner);
    case 8: return std::make_unique<TNetOnLayerRuleScope>(&owner);
    case 9: return std::make_unique<TGroupRuleScope>(&owner);
    case 10: return std::make_unique<TGroupOnLayerRuleScope>(&owner);
    case 11: return std::make_unique<TFromToRuleScope>(&owner);
    case 12: return std::make_unique<TFromToOnLayerRuleScope>(&owner);
    case 13: return std::make_unique<TClassVsClassRuleScope>(&owner);
    case 14: return std::make_unique<TClassVsClassOnLayerRuleScope>(&owner);
    case 15: return std::make_unique<TPadstackRuleScope>(&owner);
    case 16: return std::make_unique<TRegionRuleScope>(&owner);
    case 17: return std::make_unique<TClassInRegionRuleScope>(&owner);
    case 18: return std::make_unique<TNetInRegionRuleScope>(&owner);
    case 19: return std::make_unique<TClassVsClassInRegionRuleScope>(&owner);
    default: return nullptr;
  }
}

}  // namespace

uint8_t ScopeClassFor(const TSpecctraObject& owner, int32_t keywordId) {
  const TRuleOwnerKind kind = RuleOwnerKindOf(owner);
  // Each layer_rule block of a class, group, group set, from-to or class pair has a scope of
  // its own; a net's layer_rule blocks share one.
  if (keywordId == KeywordId("layer_rule")) {
    switch (kind) {
      case TRuleOwnerKind::NetClass:
      case TRuleOwnerKind::GroupSet:
      case TRuleOwnerKind::Group:
      case TRuleOwnerKind::FromTo:
      case TRuleOwnerKind::ClassToClass: return 0;
      default: break;
    }
  }
  return CreatedScopeKind(kind, keywordId);
}

std::unique_ptr<TAbstractRuleScope> CreateScopeFor(TSpecctraObject& owner, int32_t keywordId) {
  return NewScope(CreatedScopeKind(RuleOwnerKindOf(owner), keywordId), owner);
}
