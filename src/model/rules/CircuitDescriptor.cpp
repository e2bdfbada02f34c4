#include "model/rules/CircuitDescriptor.h"

#include "model/files/SpecctraFile.h"
#include "model/rules/ViaStyleSource.h"
#include "model/structure/SpecctraLayerStack.h"
#include "rtl/PcbObjectCalls.h"
#include "specctra_io/SpecctraParser.h"

namespace {

std::optional<TCircuitMatchKind> MatchKindOf(int32_t keyword) {
  switch (keyword) {
    case KeywordId("match_fromto_length"): return cmFromToLength;
    case KeywordId("match_fromto_delay"): return cmFromToDelay;
    case KeywordId("match_group_length"): return cmGroupLength;
    case KeywordId("match_group_delay"): return cmGroupDelay;
    case KeywordId("match_net_length"): return cmNetLength;
    case KeywordId("match_net_delay"): return cmNetDelay;
    default: return std::nullopt;
  }
}

bool IsLengthMatch(int32_t keyword) {
  const std::optional<TCircuitMatchKind> kind = MatchKindOf(keyword);
  return kind == cmFromToLength || kind == cmGroupLength || kind == cmNetLength;
}

// Whether the statement may stand inside its parent statement.
bool AllowedIn(int32_t keyword, int32_t parent) {
  switch (keyword) {
    case KeywordId("type"): return parent == KeywordId("length");
    case KeywordId("tolerance"): return MatchKindOf(parent).has_value();
    case KeywordId("ratio"): return IsLengthMatch(parent);
    case KeywordId("use_net"): return parent == KeywordId("shield");
    case KeywordId("use_array"): return parent == KeywordId("use_via");
    case KeywordId("length"):
    case KeywordId("max_delay"):
    case KeywordId("min_delay"):
    case KeywordId("max_total_delay"):
    case KeywordId("min_total_delay"):
    case KeywordId("max_total_length"):
    case KeywordId("min_total_length"):
    case KeywordId("max_restricted_layer_length"):
    case KeywordId("priority"):
    case KeywordId("total"):
    case KeywordId("shield"):
    case KeywordId("use_layer"):
    case KeywordId("use_via"): return parent == KeywordId("circuit");
    default: return MatchKindOf(keyword).has_value() && parent == KeywordId("circuit");
  }
}

}  // namespace

bool TSpecctraCircuitDescriptor::LoadFromFile() {
  SetBlockDepth(1);
  std::vector<TOpenStatement> open{{KeywordId("circuit"), 0}};
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (id == tkOpenParen || id == tkCloseParen) {
      HandleToken();
      if (id == tkOpenParen) open.push_back({});
      else if (open.size() > 1) open.pop_back();
      return true;
    }
    const bool taken = open.back().Keyword == 0 ? OpenStatement(open) : TakeArgument(open);
    result = taken && result;
    return true;
  });
  return loopResult && result;
}

bool TSpecctraCircuitDescriptor::OpenStatement(std::vector<TOpenStatement>& open) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.CurrentId();
  const int32_t parent = open[open.size() - 2].Keyword;
  const bool window = id == KeywordId("sample_window") || id == KeywordId("switch_window");
  if (window || !AllowedIn(id, parent)) {
    // Time windows are not translated; anything else has no place here.
    if (window) SkipUnknownBlock();
    else {
      parser.ReportUnexpected();
      parser.SkipBlock();
    }
    DecreaseDepth();
    open.pop_back();
    return window;
  }
  open.back().Keyword = id;
  if (const std::optional<TCircuitMatchKind> kind = MatchKindOf(id)) FMatches[*kind].emplace();
  if (id == KeywordId("total")) FTotal = true;
  if (id == KeywordId("type")) FLengthType = 0;  // an empty type list means actual
  if (id == KeywordId("use_array")) FUseVias.push_back({"", TCircuitViaArray{}});
  return true;
}

bool TSpecctraCircuitDescriptor::TakeArgument(std::vector<TOpenStatement>& open) {
  TSpecctraParser& parser = *Parser();
  TOpenStatement& statement = open.back();
  const int32_t id = parser.CurrentId();
  const std::string& text = parser.TokenText();
  const int argument = statement.Arguments++;
  const bool onOff = id == KeywordId("on") || id == KeywordId("off");
  switch (statement.Keyword) {
    case KeywordId("length"):
      if (argument < 2) return parser.CurrentAsFloat(argument == 0 ? FLengthMax : FLengthMin);
      break;
    case KeywordId("type"):
      if (argument == 0 && (id == KeywordId("actual") || id == KeywordId("ratio"))) {
        FLengthType = id == KeywordId("ratio") ? 1 : 0;
        return true;
      }
      break;
    case KeywordId("tolerance"):
    case KeywordId("ratio"):
      if (argument == 0) {
        TCircuitMatch& match = *FMatches[*MatchKindOf(open[open.size() - 2].Keyword)];
        if (statement.Keyword == KeywordId("ratio")) match.Ratio = true;
        return parser.CurrentAsFloat(match.Tolerance);
      }
      break;
    case KeywordId("priority"):
      if (argument == 0) return parser.CurrentAsInteger(FPriority);
      break;
    case KeywordId("shield"):
      if (argument == 0 && onOff) {
        FShieldOn = id == KeywordId("on");
        return true;
      }
      if (id == KeywordId("parallel")) FShieldType = stParallel;
      else if (id == KeywordId("tandem")) FShieldType = stTandem;
      else if (id == KeywordId("coax")) FShieldType = stCoax;
      else break;
      return true;
    case KeywordId("use_net"):
      if (argument == 0) {
        FShieldNet = text;
        return true;
      }
      break;
    case KeywordId("use_layer"): FUseLayers.push_back(text); return true;
    case KeywordId("use_via"): FUseVias.push_back({text, std::nullopt}); return true;
    case KeywordId("use_array"): {
      TCircuitUseVia& entry = FUseVias.back();
      if (argument == 0) {
        entry.Padstack = entry.Array->Padstack = text;
        return true;
      }
      if (argument < 3)
        return parser.CurrentAsInteger(argument == 1 ? entry.Array->First : entry.Array->Second);
      break;
    }
    default:
      if (const std::optional<TCircuitMatchKind> kind = MatchKindOf(statement.Keyword)) {
        if (argument != 0 || !onOff) break;
        FMatches[*kind]->On = id == KeywordId("on");
        return true;
      }
      if (double* slot = ValueSlot(statement.Keyword); slot && argument == 0)
        return parser.CurrentAsFloat(*slot);
      break;
  }
  parser.ReportUnexpected();
  return false;
}

double* TSpecctraCircuitDescriptor::ValueSlot(int32_t keyword) {
  switch (keyword) {
    case KeywordId("max_delay"): return &FMaxDelay;
    case KeywordId("min_delay"): return &FMinDelay;
    case KeywordId("max_total_delay"): return &FMaxTotalDelay;
    case KeywordId("min_total_delay"): return &FMinTotalDelay;
    case KeywordId("max_total_length"): return &FMaxTotalLength;
    case KeywordId("min_total_length"): return &FMinTotalLength;
    case KeywordId("max_restricted_layer_length"): return &FMaxRestrictedLayerLength;
    default: return nullptr;
  }
}

bool TSpecctraCircuitDescriptor::ExportToPcb() {
  CreateViaStyles();
  if (!FUseLayers.empty()) CreateRoutingLayersRule();
  return true;
}

void TSpecctraCircuitDescriptor::CreateViaStyles() {
  if (FUseVias.empty()) return;
  auto* file = dynamic_cast<TSpecctraFile*>(TopObject());
  if (!file || !file->LibrarySection()) {
    ReportError("Invalid library reference returned, while tryng to create board level routing "
                "via styles.");
    return;
  }
  const std::string expression = Scope()->GetUnaryScopeExpression();
  for (const TCircuitUseVia& via : FUseVias) {
    if (via.Array) continue;
    TSpecctraObject* padstack = file->FindPadstack(via.Padstack);
    if (!padstack) {
      ReportError("Invalid padstack reference returned for: " + via.Padstack +
                  ", while tryng to create board level routing via styles.");
      continue;
    }
    if (auto* source = dynamic_cast<TViaStyleSource*>(padstack))
      source->CreateViaStyleRule(OwnerName(), expression);
  }
}

// Routable layers of the list open to the router: a layer's own direction, or horizontal and
// vertical alternating after the last of those.
void TSpecctraCircuitDescriptor::CreateRoutingLayersRule() {
  const PcbHandle handle = CreatePcbRuleObject(kRuleRoutingLayers);
  if (!handle) return;
  TVelorKyxRule rule(handle);
  rule.Update(kPcbMessageRead);
  PcbRoutingLayersRuleRecord table{};
  QueryRuleConstraint(kPcbMessageRead, handle, table);
  for (uint8_t& entry : table.layers) entry = 0;
  ApplyScope(&rule);
  rule.SetName(HostRuleName(rule, this));
  uint8_t previous = 2;
  for (const std::string& name : FUseLayers) {
    const auto* layer = dynamic_cast<const TSpecctraLayer*>(FindLayer(name));
    if (!layer || !layer->IsRoutable()) continue;
    const uint8_t id = layer->HostLayerId();
    if (id < kTopLayer || id > kPcbRoutingLayerCount) continue;  // not on a routing layer
    const uint8_t code = layer->Direction() != ldNone ? HostDirectionCode(layer->Direction())
                                                      : (previous == 1 ? 2 : 1);
    table.layers[id - 1] = code;
    if (code == 1 || code == 2) previous = code;
  }
  rule.Update(kPcbMessageWrite);
  const bool added = QueryRuleConstraint(kPcbMessageWrite, handle, table) != 1 &&
                     AddPcbObjectToContainer(GetBoardHandle(), handle) == kPcbOk;
  if (added) return;
  ReportError("Error adding routing layers rule for: " + OwnerName());
  DestroyPcbObject(handle);  // the board did not take it
}
