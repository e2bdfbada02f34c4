#include "model/base/BoardHelpers.h"

#include <vector>

#include "common/AsciiText.h"
#include "rtl/HostClient.h"
#include "rtl/LayerNumbering.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbConnectivity.h"
#include "rtl/PcbIteration.h"
#include "rtl/PcbObjectCalls.h"
#include "rtl/PcbRules.h"
#include "rtl/PcbStrings.h"

namespace {

// The board's host rules of one host kind, in the host's order.
std::vector<PcbHandle> HostRulesOfKind(PcbHandle board, uint8_t hostRuleKind) {
  std::vector<PcbHandle> rules;
  ForEachPcbObject(board, kPcbObjectRule, [&](PcbHandle handle) {
    TPcbRuleEx rule(handle);
    if (rule.Update(kPcbMessageRead) == kPcbOk && rule.GetRuleKind() == hostRuleKind)
      rules.push_back(handle);
  });
  return rules;
}

}  // namespace

bool IsBinaryHostRuleKind(uint8_t hostRuleKind) {
  return hostRuleKind == 0 || hostRuleKind == 1 || hostRuleKind == 15 || hostRuleKind == 21 ||
         hostRuleKind == 24;
}

void DeleteHostRules(uint8_t hostRuleKind, PcbHandle board) {
  for (PcbHandle rule : HostRulesOfKind(board, hostRuleKind)) {
    DeletePcbObjectFromContainer(board, rule);
    DestroyPcbObject(rule);
  }
}

PcbHandle FindBoardWideRule(PcbHandle board, uint8_t hostRuleKind) {
  for (PcbHandle handle : HostRulesOfKind(board, hostRuleKind)) {
    TPcbRuleEx rule(handle);
    rule.Update(kPcbMessageRead);
    const bool firstAll = SameTextIgnoringCase(rule.GetScope1(), "All");
    const bool secondAll = SameTextIgnoringCase(rule.GetScope2(), "All");
    if (firstAll && (!IsBinaryHostRuleKind(hostRuleKind) || secondAll)) return handle;
  }
  return 0;
}

std::string HostLayerName(PcbHandle board, PcbLayerId layer) {
  PcbLayerRecord record{};
  QueryPcbLayer(kPcbMessageRead, LayerNumberOf(layer), board, record);
  return FromPcbString(record.name);
}

std::string HostNetName(PcbHandle net) {
  TPcbNet wrapper(net);
  wrapper.Update(kPcbMessageRead);
  return wrapper.GetName();
}

void ZoomToDocument() {
  std::string parameters = "Action=Document";
  HostRunProcess("PCB:Zoom", parameters, 0);
}
