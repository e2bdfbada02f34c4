#include "model/rules/RouteOrderRule.h"

#include "specctra_io/SpecctraParser.h"

bool TSpecctraRouteOrderRule::LoadFromFile() {
  bool orderSeen = false;
  bool typeOpen = false;  // inside (type ...) after daisy
  const bool loopResult = RunParseLoop([&](int32_t id) {
    switch (id) {
      case KeywordId("starburst"):
      case KeywordId("daisy"):
        if (orderSeen || BlockDepth() != 1) return false;
        orderSeen = true;
        FOrder = id == KeywordId("daisy") ? roDaisy : roStarburst;
        return true;
      case KeywordId("type"):
        if (FOrder != roDaisy || typeOpen || BlockDepth() != 2) return false;
        typeOpen = true;
        return true;
      case KeywordId("mid_driven"):
      case KeywordId("balanced"):
        if (!typeOpen || FOrder != roDaisy) return false;
        FOrder = id == KeywordId("balanced") ? roDaisyBalanced : roDaisyMidDriven;
        return true;
      default: return false;
    }
  });
  return loopResult && orderSeen;
}

uint8_t TSpecctraRouteOrderRule::HostTopology() const {
  switch (FOrder) {
    case roDaisy:
    case roDaisyMidDriven: return 4;
    case roDaisyBalanced: return 5;
    default: return 0;
  }
}

void TSpecctraRouteOrderRule::WriteConstraints(PcbHandle rule) {
  ChangeRuleConstraint<PcbRoutingTopologyRuleRecord>(
      rule, [&](auto& record) { record.topology = HostTopology(); });
}
