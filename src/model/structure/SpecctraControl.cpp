#include "model/structure/SpecctraControl.h"

#include <optional>

#include "model/base/InlineValues.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// The on/off switch a keyword names.
std::optional<TSpecctraControlSwitch> OnOffSwitchOf(int32_t id) {
  switch (id) {
    case KeywordId("off_grid"): return eControl_OffGrid;
    case KeywordId("route_to_fanout_only"): return eControl_RouteToFanoutOnly;
    case KeywordId("force_to_terminal_point"): return eControl_ForceToTerminalPoint;
    case KeywordId("same_net_checking"): return eControl_SameNetChecking;
    case KeywordId("checking_trim_by_pin"): return eControl_CheckingTrimByPin;
    case KeywordId("include_pins_in_crosstalk"): return eControl_IncludePinsInCrosstalk;
    case KeywordId("bbv_ctr2ctr"): return eControl_BbvCtr2Ctr;
    case KeywordId("average_pair_length"): return eControl_AveragePairLength;
    case KeywordId("roundoff_rotation"): return eControl_RoundoffRotation;
    case KeywordId("microvia"): return eControl_Microvia;
    case KeywordId("reroute_order_viols"): return eControl_RerouteOrderViols;
    default: return std::nullopt;
  }
}

}  // namespace

bool TSpecctraControlDescriptor::LoadFromFile() {
  SetBlockDepth(1);
  TSpecctraParser& parser = *Parser();
  std::optional<TSpecctraControlSwitch> current;
  bool result = true;
  const bool loopResult = RunParseLoop([&](int32_t id) {
    if (const auto named = OnOffSwitchOf(id)) {
      current = named;
      return true;
    }
    switch (id) {
      case KeywordId("on"):
      case KeywordId("off"):
        if (current) FSwitches[*current] = parser.IsTokenOn() ? 1 : 0;
        return true;
      case KeywordId("noise_calculation"):
        result = LoadChoice(eControl_NoiseCalculation, KeywordId("linear_interpolation"),
                            KeywordId("stairstep")) && result;
        return true;
      case KeywordId("noise_accumulation"):
        result = LoadChoice(eControl_NoiseAccumulation, KeywordId("rss"), KeywordId("linear")) &&
                 result;
        return true;
      case KeywordId("crosstalk_model"):
        result = LoadChoice(eControl_CrosstalkModel, KeywordId("cct1"), KeywordId("cct1a")) &&
                 result;
        return true;
      case KeywordId("via_at_smd"):
        SkipUnknownBlock();
        DecreaseDepth();
        return true;
      default: return false;
    }
  });
  return loopResult && result;
}

bool TSpecctraControlDescriptor::LoadChoice(TSpecctraControlSwitch which, int32_t first,
                                            int32_t second) {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == first || id == second) {
    FSwitches[which] = id == first ? 0 : 1;
    return true;
  }
  parser.ReportUnexpected();
  CountParenthesis(*this);
  return false;
}
