#include "specctra_io/SpecctraUnits.h"

#include "common/NumberFormat.h"
#include "rtl/TranslationState.h"
#include "rtl/HostUnits.h"

namespace {

TBoardLength FromHostUnits(double hostUnits, bool unknownUnit) {
  TBoardLength result;
  result.UnknownUnit = unknownUnit;
  result.Value = RoundToHostUnits(hostUnits, &result.Saturated);
  return result;
}

TBoardLength Offset(TBoardLength length, int32_t offset) {
  bool saturated = false;
  length.Value = RoundToHostUnits(static_cast<double>(length.Value) + offset, &saturated);
  length.Saturated = length.Saturated || saturated;
  return length;
}

TBoardLength FromMils(double mils, bool unknownUnit = false) {
  return FromHostUnits(mils * 10000, unknownUnit);
}
TBoardLength FromMillimetres(double millimetres) {
  return FromHostUnits(millimetres * 10000 / 0.0254, false);
}

}  // namespace

TBoardLength ToBoardLength(TSpecctraUnit unit, double value) {
  const double scale = TranslationState().ResolutionScale;
  switch (unit) {
    case uInch: return FromMils(value * 1000 / scale);
    case uMil: return FromMils(value / scale);
    case uCm: return FromMillimetres(value * 10 / scale);
    case uMm: return FromMillimetres(value / scale);
    case uUm: return FromMillimetres(value / 1000 / scale);
    default: return FromMils(value / scale, true);
  }
}

TBoardLength ToBoardX(TSpecctraUnit unit, double value) {
  return Offset(ToBoardLength(unit, value), TranslationState().BoardOffsetX);
}

TBoardLength ToBoardY(TSpecctraUnit unit, double value) {
  return Offset(ToBoardLength(unit, value), TranslationState().BoardOffsetY);
}

double ToSpecctraLength(int32_t hostValue) {
  return RoundHalfEven(hostValue * TranslationState().ResolutionScale);
}

double ToSpecctraX(int32_t x) {
  return RoundHalfEven((static_cast<double>(x) - TranslationState().BoardOffsetX) *
                       TranslationState().ResolutionScale);
}

double ToSpecctraY(int32_t y) {
  return RoundHalfEven((static_cast<double>(y) - TranslationState().BoardOffsetY) *
                       TranslationState().ResolutionScale);
}

double UnitsPerInch(TSpecctraUnit unit) {
  switch (unit) {
    case uInch: return 1;
    case uCm: return 2.54;
    case uMm: return 25.4;
    case uUm: return 25400;
    default: return 1000;
  }
}
