// Conversion between byte strings and the host's length-prefixed strings.
#pragma once

#include <string>
#include <string_view>

#include "host/PcbApi.h"

// The text cut to 255 bytes as a length-prefixed string.
PcbShortString ToPcbString(std::string_view text);
std::string FromPcbString(const PcbShortString& text);
