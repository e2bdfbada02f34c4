// The names of the host's rule kinds ("Clearance", "Width" ...), as summaries show them.
#pragma once

#include <cstdint>
#include <string>

namespace pcbhost {

// The kind's name; "RuleKind" and the number for a kind the host does not have.
std::string RuleKindName(uint32_t ruleKind);

}  // namespace pcbhost
