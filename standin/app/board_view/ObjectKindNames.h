// The kind names of board document objects ("track", "pad" ...) and the host kind numbers
// they stand for.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pcbhost {

// The name of a host object kind; empty for a number without one.
std::string_view ObjectKindName(uint32_t kind);

// The kinds every summary lists, in the order it lists them, whether the board has any.
const std::vector<std::string_view>& SummaryKindNames();

}  // namespace pcbhost
