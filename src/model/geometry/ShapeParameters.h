// Shape values in a parameter text: host-unit numbers as hexadecimal text of their 32-bit
// two's complement, counts as decimal text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

void SetHexParameter(std::string& params, std::string_view key, int32_t value);
// The value read as hexadecimal; nothing when the key is missing or its value unreadable.
std::optional<int32_t> HexParameter(const std::string& params, std::string_view key);
// A count in decimal; nothing when missing, unreadable, negative or beyond limit.
std::optional<int32_t> CountParameter(const std::string& params, std::string_view key,
                                      int32_t limit);
