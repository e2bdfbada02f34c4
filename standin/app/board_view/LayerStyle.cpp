#include "app/board_view/LayerStyle.h"

#include <algorithm>
#include <array>
#include <tuple>

#include "host/PcbApi.h"

namespace pcbhost {
namespace {

constexpr std::array<std::string_view, 8> kMidLayerColours = {
    "#f0a030", "#3cb44b", "#b657d8", "#2ec4c4", "#e4609c", "#a6a832", "#7c8cff", "#d2784a"};
constexpr std::array<std::string_view, 6> kPlaneColours = {"#4c9a5e", "#b0763c", "#8a6cc0",
                                                           "#3a9a9a", "#c0588a", "#8a9a3a"};
constexpr std::array<std::string_view, 6> kMechanicalColours = {"#e0a0f0", "#80e0a0", "#f0c080",
                                                                "#80c0f0", "#f08080", "#c0c0f0"};

bool InRange(uint32_t layer, uint32_t first, uint32_t last) {
  return layer >= first && layer <= last;
}

bool IsCopper(uint32_t layer) {
  return InRange(layer, kTopLayer, kBottomLayer) ||
         InRange(layer, kInternalPlane1, kInternalPlane16);
}

// Drawing ranks, low first.
enum TRank : int {
  kBottomOverlayRank = 10,
  kBottomMaskRank = 20,
  kCopperOutsideStackRank = 100,
  kStackCopperRank = 300,
  kMultiLayerRank = 400,
  kViaRank = 405,
  kTopMaskRank = 410,
  kMechanicalRank = 420,
  kKeepOutRank = 450,
  kOtherRank = 460,
  kTopOverlayRank = 470
};

int CopperRank(uint32_t layer, const std::vector<uint32_t>& stack) {
  const auto found = std::find(stack.begin(), stack.end(), layer);
  if (found != stack.end()) return kStackCopperRank + static_cast<int>(stack.end() - found);
  // Outside the stack: lower numbers above higher ones (signal layers above planes).
  return kCopperOutsideStackRank + 100 - static_cast<int>(layer);
}

int DrawRank(uint32_t layer, const std::vector<uint32_t>& stack) {
  if (IsCopper(layer)) return CopperRank(layer, stack);
  switch (layer) {
    case kBottomOverlay: return kBottomOverlayRank;
    case kBottomSolder:
    case kBottomPaste: return kBottomMaskRank;
    case kMultiLayer: return kMultiLayerRank;
    case kTopSolder:
    case kTopPaste: return kTopMaskRank;
    case kDrillGuide:
    case kDrillDrawing: return kMechanicalRank + 1;
    case kKeepOutLayer: return kKeepOutRank;
    case kTopOverlay: return kTopOverlayRank;
    default: break;
  }
  return InRange(layer, kMechanical1, kMechanical16) ? kMechanicalRank : kOtherRank;
}

}  // namespace

std::string_view LayerColour(uint32_t layer) {
  if (layer == kTopLayer) return "#e03c31";
  if (layer == kBottomLayer) return "#2f6fdf";
  if (InRange(layer, kMidLayer1, kMidLayer30))
    return kMidLayerColours[(layer - kMidLayer1) % kMidLayerColours.size()];
  if (InRange(layer, kInternalPlane1, kInternalPlane16))
    return kPlaneColours[(layer - kInternalPlane1) % kPlaneColours.size()];
  if (InRange(layer, kMechanical1, kMechanical16))
    return kMechanicalColours[(layer - kMechanical1) % kMechanicalColours.size()];
  switch (layer) {
    case kTopOverlay: return "#f5e642";
    case kBottomOverlay: return "#c8a03c";
    case kTopPaste: return "#9a9a9a";
    case kBottomPaste: return "#7a7a7a";
    case kTopSolder: return "#a05ad2";
    case kBottomSolder: return "#d27ad2";
    case kDrillGuide: return "#c85050";
    case kKeepOutLayer: return "#e840e8";
    case kDrillDrawing: return "#e07070";
    case kMultiLayer: return "#c8c8c8";
    default: return "#a0a0a0";
  }
}

double LayerOpacity(uint32_t layer) {
  if (IsCopper(layer)) return 0.85;
  if (InRange(layer, kTopPaste, kBottomSolder)) return 0.4;
  return 1;
}

std::vector<uint32_t> LayerDrawOrder(const std::vector<uint32_t>& layers,
                                     const std::vector<uint32_t>& stack) {
  std::vector<uint32_t> order = layers;
  std::sort(order.begin(), order.end(), [&stack](uint32_t a, uint32_t b) {
    return std::make_tuple(DrawRank(a, stack), a) < std::make_tuple(DrawRank(b, stack), b);
  });
  order.erase(std::unique(order.begin(), order.end()), order.end());
  return order;
}

bool DrawnAboveVias(uint32_t layer) { return DrawRank(layer, {}) > kViaRank; }

}  // namespace pcbhost
