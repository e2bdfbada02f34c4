// The host rule that keeps the router off a fixed net: a routing-layers rule for the net with
// no layer allowed.
#pragma once

#include <string_view>

#include "host/PcbApi.h"

// Adds "Don't route net <name>" with the scope InNet('<name>') to the board. A rule the board
// refuses is destroyed without a message.
void AddFixNetRule(PcbHandle board, std::string_view netName);
