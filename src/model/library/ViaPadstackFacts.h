// What vias and routing via styles need of the library's padstacks: name, via and spare
// marks and the via geometry (end layers and diameter), and the choice of the padstack that
// best fits a host via.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/PcbApi.h"

class TSpecctraObject;

struct TViaPadstackFacts {
  std::string Name;
  bool IsVia = false;
  bool IsSpare = false;
  // The padstack gave a via geometry: its top and bottom host layers and its diameter.
  bool HasGeometry = false;
  PcbLayerNumber TopLayer = 0;
  PcbLayerNumber BottomLayer = 0;
  int32_t Diameter = 0;
};

// The padstacks of the file's library in library order; nothing when the file has no library
// section.
std::optional<std::vector<TViaPadstackFacts>> LibraryViaPadstacks(TSpecctraObject& from);
// What a library padstack object tells vias; nothing for an object that cannot say.
std::optional<TViaPadstackFacts> ViaPadstackFactsOf(TSpecctraObject* padstack);
// The library padstack of that name, or nothing.
std::optional<TViaPadstackFacts> FindViaPadstackFacts(TSpecctraObject& from,
                                                      std::string_view name);
// Whether the object's file has a library section.
bool HasLibrarySection(TSpecctraObject& from);

// The padstack for a host via between two layers (in either order) of the given size: a via
// padstack (spare ones only when allowed) with a geometry on those layers; the one of exactly
// the size, else the closest smaller one, else the first such padstack; nil when none fits.
const TViaPadstackFacts* ChooseBestViaPadstack(std::span<const TViaPadstackFacts> padstacks,
                                               PcbLayerNumber low, PcbLayerNumber high,
                                               int32_t size, bool allowSpare);
