// The run-wide translation state: one set per process, reset by every translation command
// before it creates its file object.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "common/FlatNameMap.h"
#include "host/PcbApi.h"
#include "rtl/PcbHandleSet.h"

// The Specctra net object that owns a pin; the translation state only files it.
class TSpecctraObject;

struct TTranslationState {
  // 0 while importing a design, 3 while exporting routes or a session.
  uint8_t TranslationMode = 0;
  // Set by a parser that meets input it cannot continue with; ends every parse loop.
  bool AbortParsing = false;
  bool ImportingDesign = true;
  // Divisor of Specctra numbers on import, factor of host values on export.
  double ResolutionScale = 1.0;
  // Added to every Specctra coordinate on its way to the board, subtracted on the way back.
  int32_t BoardOffsetX = 0;
  int32_t BoardOffsetY = 0;
  // Host polygons created during an import, handed to the board after it.
  std::vector<PcbHandle> CreatedPolygons;
  // Pin reference -> the net that listed it first, filled while nets are parsed (letter case
  // ignored). A net takes its entries with it when it is freed.
  TFlatNameMap<TSpecctraObject*> PinNets;
  // Host objects already written by the wiring export.
  TPcbHandleSet WrittenObjects;
};

// The state, constant-initialized before any code runs; every coordinate conversion reads it,
// so it is reached without a guard.
extern TTranslationState gTranslationState;
inline TTranslationState& TranslationState() { return gTranslationState; }
// Adds the offset, rounded to host units (halves to even), to the board offset; the sums are
// held to the 32-bit range.
void AddToBoardOffset(double x, double y);
void ResetTranslationState();

// Set when a design import made conductors or vias inside images: the host is then asked to
// give free primitives the nets of the pads they touch. Cleared by every design import
// before it parses; kept apart from the translation state so that the exports after the
// import leave it alone.
bool FreePrimitiveFlag();
void SetFreePrimitiveFlag(bool set);
