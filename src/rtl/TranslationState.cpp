#include "rtl/TranslationState.h"

#include "rtl/HostUnits.h"

constinit TTranslationState gTranslationState;

void ResetTranslationState() { TranslationState() = TTranslationState{}; }

void AddToBoardOffset(double x, double y) {
  TTranslationState& state = TranslationState();
  state.BoardOffsetX = RoundToHostUnits(static_cast<double>(state.BoardOffsetX) + RoundToHostUnits(x));
  state.BoardOffsetY = RoundToHostUnits(static_cast<double>(state.BoardOffsetY) + RoundToHostUnits(y));
}

namespace {
bool gFreePrimitiveFlag = false;
}

bool FreePrimitiveFlag() { return gFreePrimitiveFlag; }
void SetFreePrimitiveFlag(bool set) { gFreePrimitiveFlag = set; }
