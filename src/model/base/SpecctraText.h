// Text helpers of the Specctra object model: names in Specctra text and host query texts,
// short parameter texts, hexadecimal handles.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

std::string ShapeKindName(int kind);
// "Front Side", "Back Side", "Both Sides"; other sides leave the text unchanged.
void SideName(int side, std::string& text);
// "SIGNAL", "POWER" or "PCB", letter case ignored.
bool IsGenericLayerName(std::string_view name);
// Upper-case hexadecimal of the 32-bit value, leading zeros removed (at least one digit).
std::string HandleToHex(uint32_t value);

// One parameter of a parameter text held in at most 255 characters.
std::string GetShortParameter(std::string_view text, std::string_view name);
void SetShortParameter(std::string& text, std::string_view name, std::string_view value);

// The name between apostrophes when it is empty or holds a blank or a parenthesis (a reader
// would lose it or split it there), else unchanged.
std::string QuoteName(std::string_view name);
std::string Apostrophes(std::string_view text);
std::string Parenthesize(std::string_view text);
std::string ApostrophesInParentheses(std::string_view text);
// left + " " + op + " " + right, or right alone when left is empty.
std::string JoinWith(std::string_view left, std::string_view op, std::string_view right);
