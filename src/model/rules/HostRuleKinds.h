// The host's rule kinds by number, with the names that lead every host rule name the rule
// translation makes ("Width GND").
#pragma once

#include <cstdint>
#include <string_view>

inline constexpr int kHostRuleKindCount = 60;

// The kind's name; empty for a number outside 0 .. 59.
std::string_view HostRuleKindName(uint8_t hostRuleKind);
