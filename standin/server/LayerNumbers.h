// Layer numbers as the PCB server holds them (0..82) and the layer IDs of the records.
//
// Records carry a layer as a 32-bit ID: 0..82 are the numbers themselves; the signal, internal
// plane and mechanical partitions (high 16 bits 257, 260, 1024) hold a layer by its ordinal
// within its kind. The server keeps every layer as its number.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "host/PcbApi.h"

namespace standin {

constexpr bool IsLayerNumber(uint32_t value) { return value < static_cast<uint32_t>(kLayerCount); }
constexpr bool IsInternalPlaneNumber(uint32_t value) {
  return value >= kInternalPlane1 && value <= kInternalPlane16;
}
constexpr bool IsSignalNumber(uint32_t value) {
  return value >= kTopLayer && value <= kBottomLayer;
}

// The name a new board gives the layer ("TopLayer", "MidLayer1", ...); empty beyond 82.
std::string_view DefaultLayerName(uint32_t number);

// The number of a layer ID: 0..82 as they are; a partitioned signal, plane or mechanical layer
// by its ordinal (beyond the numbered layers of its kind, the last of them). Nothing for an ID
// this host does not know.
std::optional<PcbLayerNumber> LayerNumberOfId(PcbLayerId id);

// The layer that takes the place of this one when a component turns over to the other side:
// top and bottom copper, overlay, paste and solder swap; every other layer stays.
PcbLayerNumber OtherSideLayer(PcbLayerNumber layer);

}  // namespace standin
