// The run-wide translation state: one set per process, reset by every translation command
// before it creates its file object.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "common/AsciiText.h"
#include "host/PcbApi.h"

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
  // Pin reference -> owning net name, filled while nets are parsed.
  std::map<std::string, std::string, TLessIgnoringCase> PinNets;
  // Host object handles (decimal text) already written by the wiring export.
  std::set<std::string, TLessIgnoringCase> WrittenObjects;
};

TTranslationState& TranslationState();
// Adds the offset, rounded to host units (halves to even), to the board offset; the sums are
// held to the 32-bit range.
void AddToBoardOffset(double x, double y);
void ResetTranslationState();
