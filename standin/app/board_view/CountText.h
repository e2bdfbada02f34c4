// A count with its noun in the right number: "1 error", "2 errors", "0 vias".
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pcbhost {

// The noun is given in the singular and takes an "s" for any count but one.
std::string CountText(std::size_t count, std::string_view noun);

}  // namespace pcbhost
