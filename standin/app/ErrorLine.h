// pcbhost's errors: one line each on standard error.
#pragma once

#include <string_view>

namespace pcbhost {

void PrintError(std::string_view text);

}  // namespace pcbhost
