// Host length units: signed 32-bit integers, 1 mil = 10000 units, 1 mm = 10000 / 0.0254.
#pragma once

#include <cstdint>
#include <string>

inline constexpr double kHostUnitsPerMil = 10000.0;
inline constexpr double kHostUnitsPerMm = 10000.0 / 0.0254;

// Rounded to the nearest unit (halves to even) and held to the 32-bit range.
int32_t MilToCoord(double mils);
int32_t MmToCoord(double millimetres);
// The integer part kept, the fraction rounded to 3 (mil) or 5 (mm) decimals.
double CoordToMil(int32_t value);
double CoordToMm(int32_t value);
// The value in mils with 3 decimals or in mm with 4, trailing zeros and point removed, and
// the unit name appended: "25.4mil", "0mil", "1.27mm".
std::string CoordToUnitText(int32_t value, bool mils);

// A real number of host units rounded (halves to even) into the 32-bit range; *saturated
// tells whether it had to be held at a limit (also for NaN, which gives 0).
int32_t RoundToHostUnits(double value, bool* saturated = nullptr);
