// Conversion between byte strings and the host's shorter length-prefixed strings (a pad's
// 20-byte name, a text's 254-byte text). The 255-byte form is in PcbStrings.h.
#pragma once

#include <string>
#include <string_view>

#include "host/PcbApi.h"

// The text cut to the capacity of the string.
PcbString20 ToPcbString20(std::string_view text);
PcbString254 ToPcbString254(std::string_view text);
// A length prefix beyond the capacity is held to it.
std::string FromPcbString(const PcbString20& text);
std::string FromPcbString(const PcbString254& text);
