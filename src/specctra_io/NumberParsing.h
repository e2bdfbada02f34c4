// The number forms of Specctra input, read without regard to the locale. Anything else
// (trailing text, "inf", "nan", values out of range) is not a number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// An optionally signed decimal integer, or a hexadecimal one after x or 0x (any letter
// case), within the signed 32-bit range.
std::optional<int32_t> ParseSpecctraInteger(std::string_view text);

// An optionally signed decimal number with an optional point and exponent, finite and
// within the range of a double.
std::optional<double> ParseSpecctraReal(std::string_view text);
