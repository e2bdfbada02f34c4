#include "rtl/HostUnits.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "common/NumberFormat.h"

namespace {

// Keeps the integer part and rounds the fraction to the given number of decimals.
double RoundFraction(double value, int decimals) {
  const double integerPart = std::trunc(value);
  const double scale = std::pow(10.0, decimals);
  return integerPart + RoundHalfEven((value - integerPart) * scale) / scale;
}

std::string TrimDecimals(std::string text) {
  if (text.find('.') == std::string::npos) return text;
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text == "-0" ? "0" : text;
}

}  // namespace

int32_t RoundToHostUnits(double value, bool* saturated) {
  constexpr double kMin = std::numeric_limits<int32_t>::min();
  constexpr double kMax = std::numeric_limits<int32_t>::max();
  const double rounded = RoundHalfEven(value);
  const bool outside = std::isnan(rounded) || rounded < kMin || rounded > kMax;
  if (saturated) *saturated = outside;
  if (std::isnan(rounded)) return 0;
  if (rounded < kMin) return std::numeric_limits<int32_t>::min();
  if (rounded > kMax) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

int32_t MilToCoord(double mils) { return RoundToHostUnits(mils * kHostUnitsPerMil); }
int32_t MmToCoord(double millimetres) { return RoundToHostUnits(millimetres * kHostUnitsPerMm); }

double CoordToMil(int32_t value) { return RoundFraction(value / kHostUnitsPerMil, 3); }
double CoordToMm(int32_t value) { return RoundFraction(value * 0.0254 / 10000.0, 5); }

std::string CoordToUnitText(int32_t value, bool mils) {
  char text[64];
  if (mils) std::snprintf(text, sizeof text, "%.3f", CoordToMil(value));
  else std::snprintf(text, sizeof text, "%.4f", CoordToMm(value));
  return TrimDecimals(text) + (mils ? "mil" : "mm");
}
