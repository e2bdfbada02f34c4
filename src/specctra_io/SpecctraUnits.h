// Specctra length units and the conversions between Specctra numbers and host units, under
// the run-wide resolution scale and board offset.
#pragma once

#include <cstdint>

enum TSpecctraUnit : uint8_t { uNone = 0, uInch = 1, uMil = 2, uCm = 3, uMm = 4, uUm = 5 };

// The result of a conversion to host units, with what went wrong on the way.
struct TBoardLength {
  int32_t Value = 0;
  // The unit was none of the known ones; mils were assumed.
  bool UnknownUnit = false;
  // The result left the 32-bit range and was held at its limit.
  bool Saturated = false;
};

// A Specctra length in the unit, divided by the resolution scale, in host units.
TBoardLength ToBoardLength(TSpecctraUnit unit, double value);
TBoardLength ToBoardX(TSpecctraUnit unit, double value);
TBoardLength ToBoardY(TSpecctraUnit unit, double value);

// A host length times the resolution scale, rounded (halves to even).
double ToSpecctraLength(int32_t hostValue);
double ToSpecctraX(int32_t x);
double ToSpecctraY(int32_t y);

// How many of the unit make an inch.
double UnitsPerInch(TSpecctraUnit unit);
