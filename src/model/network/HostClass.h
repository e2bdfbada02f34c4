// The host classes that network groups become: a class of nets (net classes) or of from-tos
// (from-to groups and their group sets), named as the group, members in order.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "host/PcbApi.h"

enum THostClassKind : uint8_t { eHostClass_Nets, eHostClass_FromTos };

// Creates the class, writes its name and members and adds it to the board. Answers the new
// class, or nil (the class destroyed) when the board refused it.
PcbHandle CreateHostClass(PcbHandle board, THostClassKind kind, std::string_view name,
                          const std::vector<std::string>& members);
