// The general number format of the host's texts: up to 15 significant digits, no trailing
// zeros, fixed notation for magnitudes from 0.00001 up to 1e15 (2540000, never 2.54e+06).
#pragma once

#include <cmath>
#include <string>

std::string FormatNumber(double value);
// The same text appended to the string, with no allocation of its own.
void AppendNumber(std::string& text, double value);

// Rounds to the nearest integer, halves to the even one.
inline double RoundHalfEven(double value) { return std::nearbyint(value); }
