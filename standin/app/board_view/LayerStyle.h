// How the drawing shows each layer: its colour, its opacity, and where it lies in the drawing
// order (bottom side first, so that the top copper and the top overlay end up on top).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace pcbhost {

// Colours of what is not a layer.
constexpr std::string_view kBackgroundColour = "#2b3036";
constexpr std::string_view kBoardColour = "#0f1512";
constexpr std::string_view kOutlineColour = "#f0f0f0";
constexpr std::string_view kViaColour = "#a8a8a8";
constexpr std::string_view kDrillHoleColour = "#101010";
constexpr std::string_view kLegendTextColour = "#e0e0e0";

// "#rrggbb": top copper red, bottom copper blue, inner signal layers and planes their own
// colours, overlays yellow, keepout magenta, multi-layer (through-hole) pads silver.
std::string_view LayerColour(uint32_t layer);
double LayerOpacity(uint32_t layer);

// The layers ordered for drawing, bottom first: bottom overlay, paste and solder; the copper of
// the stack from its bottom layer up (copper outside the stack below it); multi-layer pads;
// top solder and paste; mechanical, drill and keepout layers; the top overlay last.
std::vector<uint32_t> LayerDrawOrder(const std::vector<uint32_t>& layers,
                                     const std::vector<uint32_t>& stack);

// Whether the layer lies above the vias in the drawing order.
bool DrawnAboveVias(uint32_t layer);

}  // namespace pcbhost
