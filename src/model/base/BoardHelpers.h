// Board-level helpers of the Specctra object model over the host access layer.
#pragma once

#include <cstdint>
#include <string>

#include "host/PcbApi.h"

// Removes every host rule of the host rule kind from the board and destroys it.
void DeleteHostRules(uint8_t hostRuleKind, PcbHandle board);
// The first host rule of the kind whose scopes are all "All" (both, for two-scope kinds);
// nil when there is none.
PcbHandle FindBoardWideRule(PcbHandle board, uint8_t hostRuleKind);
// Whether the host rule kind takes two scope expressions.
bool IsBinaryHostRuleKind(uint8_t hostRuleKind);
// The host's name of a host layer.
std::string HostLayerName(PcbHandle board, PcbLayerId layer);
// The name of a host net.
std::string HostNetName(PcbHandle net);
// Fits the host's view to the document.
void ZoomToDocument();
