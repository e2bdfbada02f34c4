#include "model/rules/AbstractRuleScope.h"

#include "model/base/SpecctraText.h"
#include "model/rules/CircuitDescriptor.h"
#include "model/rules/ClearanceRule.h"
#include "model/rules/RouteOrderRule.h"
#include "model/rules/RuleCollection.h"
#include "model/rules/SegmentRules.h"
#include "model/rules/SingleValueRules.h"
#include "model/rules/TestpointRule.h"
#include "model/rules/TimingRule.h"
#include "model/rules/ViaAtSmdRule.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// Rule statements the board has no rule for: skipped whole, with the skip warning.
bool IsUntranslatedRule(int32_t id) {
  switch (id) {
    case KeywordId("allow_redundant_wiring"):
    case KeywordId("effective_via_length"):
    case KeywordId("inter_layer_clearance"):
    case KeywordId("junction_type"):
    case KeywordId("length_factor"):
    case KeywordId("limit_bends"):
    case KeywordId("limit_crossing"):
    case KeywordId("limit_vias"):
    case KeywordId("limit_way"):
    case KeywordId("max_noise"):
    case KeywordId("max_stagger"):
    case KeywordId("parallel_noise"):
    case KeywordId("pin_width_taper"):
    case KeywordId("power_fanout"):
    case KeywordId("restricted_layer_length_factor"):
    case KeywordId("saturation_length"):
    case KeywordId("shield_gap"):
    case KeywordId("shield_loop"):
    case KeywordId("shield_tie_down_interval"):
    case KeywordId("shield_width"):
    case KeywordId("spiral_via"):
    case KeywordId("stack_via"):
    case KeywordId("stack_via_depth"):
    case KeywordId("staggered_via"):
    case KeywordId("staired_via"):
    case KeywordId("tandem_noise"):
    case KeywordId("tandem_shield_overhang"):
    case KeywordId("time_length_factor"):
    case KeywordId("tjunction"):
    case KeywordId("track_id"):
      return true;
    default:
      return false;
  }
}

// A new rule object for a rule statement's keyword, or nil.
std::unique_ptr<TSpecctraAbstractRule> CreateRule(TAbstractRuleScope& scope, int32_t id) {
  switch (id) {
    case KeywordId("length_amplitude"):
    case KeywordId("length_gap"): return std::make_unique<TSpecctraTimingRule>(scope, id);
    case KeywordId("max_stub"): return std::make_unique<TSpecctraStubLengthRule>(scope);
    case KeywordId("max_total_vias"): return std::make_unique<TSpecctraMaxViaCountRule>(scope);
    case KeywordId("parallel_segment"):
      return std::make_unique<TSpecctraParallelSegmentRule>(scope);
    case KeywordId("reorder"): return std::make_unique<TSpecctraRouteOrderRule>(scope);
    case KeywordId("tandem_segment"): return std::make_unique<TSpecctraTandemSegmentRule>(scope);
    case KeywordId("testpoint"): return std::make_unique<TSpecctraTestpointRule>(scope);
    case KeywordId("via_at_smd"): return std::make_unique<TSpecctraViaAtSmdRule>(scope);
    case KeywordId("width"): return std::make_unique<TSpecctraWidthRule>(scope);
    default: return nullptr;
  }
}

}  // namespace

TAbstractRuleScope::TAbstractRuleScope(TSpecctraObject* owner, uint8_t scopeKind)
    : TSpecctraObject(owner), FScopeKind(scopeKind) {}

TAbstractRuleScope::~TAbstractRuleScope() = default;

bool TAbstractRuleScope::LoadFromFile() {
  SetBlockDepth(1);
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (id == KeywordId("clearance") || id == KeywordId("clear")) {
      result = LoadClearance() && result;
      return true;
    }
    if (IsUntranslatedRule(id)) {
      SkipUnknownBlock();
      DecreaseDepth();
      return true;
    }
    std::unique_ptr<TSpecctraAbstractRule> rule = CreateRule(*this, id);
    if (!rule) return false;
    const bool loaded = rule->LoadFromFile();
    if (loaded) GetRuleCollection()->AddRule(std::move(rule));
    DecreaseDepth();
    result = loaded && result;
    return true;
  });
  FileClearanceRule();
  return loopResult && result;
}

bool TAbstractRuleScope::LoadClearance() {
  if (!FClearanceRule) {
    FUnfiledClearanceRule = std::make_unique<TSpecctraClearanceRule>(*this);
    FClearanceRule = FUnfiledClearanceRule.get();
  }
  const bool result = FClearanceRule->LoadFromFile();
  DecreaseDepth();
  return result;
}

bool TAbstractRuleScope::LoadWidth() {
  auto rule = std::make_unique<TSpecctraWidthRule>(*this);
  const bool loaded = rule->LoadFromFile();
  if (loaded) GetRuleCollection()->AddRule(std::move(rule));
  DecreaseDepth();
  return loaded;
}

void TAbstractRuleScope::FileClearanceRule() {
  if (FUnfiledClearanceRule) GetRuleCollection()->AddRule(std::move(FUnfiledClearanceRule));
}

bool TAbstractRuleScope::LoadCircuit() {
  auto circuit = std::make_unique<TSpecctraCircuitDescriptor>(*this);
  const bool loaded = circuit->LoadFromFile();
  if (loaded) GetRuleCollection()->AddRule(std::move(circuit));
  DecreaseDepth();
  return loaded;
}

std::string TAbstractRuleScopeWithLayer::LayerPart() const {
  std::string part;
  for (const std::string& name : FLayerNames)
    part = JoinWith(part, "Or", "OnLayer(" + Apostrophes(name) + ")");
  return part;
}
