// What a pin takes from its padstack to become a host pad: the stack kind, the pads that the
// host pad's top, middle, bottom and per-layer entries come from, the centre of the largest
// signal pad and the extent of all pads. DescribePadstack reads it from a padstack once, so
// that every pin on the same padstack reuses it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "host/PcbApi.h"
#include "model/base/SpecctraValueTypes.h"
#include "common/AsciiText.h"
#include "model/base/SpecctraText.h"
#include "model/structure/SpecctraLayerStack.h"

// How the host pad stack is built (the padstack's stack kind).
enum class TPinStackKind : uint8_t { eUnknown = 0, eSimple = 1, eTopMidBottom = 2, eFull = 3, eSurface = 4 };

// One pad as a host pad takes it: host size and shape, and the host layer of its own layer
// (MultiLayer for SIGNAL, 0 when its layer is no layer of the stack).
struct TPinPad {
  int32_t Width = 0;
  int32_t Height = 0;
  uint8_t Shape = kPadShapeRound;
  PcbLayerNumber HostLayer = 0;
};

struct TPinPadstack {
  TPinStackKind Kind = TPinStackKind::eUnknown;
  std::optional<TPinPad> LargestSignal;
  // Centre of the largest signal pad's box, image units; (0, 0) without one.
  TVertex Centre;
  std::optional<TPinPad> Signal;        // the pad for "SIGNAL"
  std::optional<TPinPad> Front;         // for "FRONT LAYER"
  std::optional<TPinPad> Back;          // for "BACK LAYER"
  std::optional<TPinPad> LargestInner;
  std::optional<TPinPad> FirstLayer;    // for the stack's first layer
  std::optional<TPinPad> LastLayer;     // for its last layer
  // The pad of each stack layer mapped to a copper layer (1 to 32) that has one.
  std::vector<std::pair<PcbLayerNumber, TPinPad>> LayerPads;
  // Union of the pads' bounds, image units; all 0 without pads.
  TSpecctraExtent Extent;
};

namespace pin_padstack_detail {

template <class Pad>
TPinPad DescribePad(Pad& pad, TSpecctraLayerStack* stack) {
  TPinPad result;
  result.Width = PadWidth(pad);
  result.Height = PadHeight(pad);
  result.Shape = PadHostShape(pad);
  const std::string layerName(PadLayerName(pad));
  if (SameTextIgnoringCase(layerName, "SIGNAL")) result.HostLayer = kMultiLayer;
  else if (TSpecctraLayer* layer = stack ? stack->FindLayer(layerName) : nullptr)
    result.HostLayer = layer->HostLayerId();
  return result;
}

template <class Pad>
std::optional<TPinPad> Describe(Pad* pad, TSpecctraLayerStack* stack) {
  if (!pad) return std::nullopt;
  return DescribePad(*pad, stack);
}

}  // namespace pin_padstack_detail

// Reads the description from a padstack of the library (its StackKind, FindPadForLayer,
// LargestSignalPad, LargestInnerPad and GetPadsExtent, and the pad queries PadWidth,
// PadHeight, PadHostShape and PadLayerName); stack is the design's layer stack, nil without.
template <class Padstack>
TPinPadstack DescribePadstack(Padstack& padstack, TSpecctraLayerStack* stack) {
  using pin_padstack_detail::Describe;
  TPinPadstack result;
  result.Kind = static_cast<TPinStackKind>(padstack.StackKind());
  auto* largest = padstack.LargestSignalPad();
  result.LargestSignal = Describe(largest, stack);
  if (largest && largest->PrimaryShape()) {
    const TSpecctraExtent& box = largest->PrimaryShape()->GetBounds();
    result.Centre = {(box.MinX + box.MaxX) / 2, (box.MinY + box.MaxY) / 2};
  }
  result.Signal = Describe(padstack.FindPadForLayer("SIGNAL"), stack);
  result.Front = Describe(padstack.FindPadForLayer("FRONT LAYER"), stack);
  result.Back = Describe(padstack.FindPadForLayer("BACK LAYER"), stack);
  result.LargestInner = Describe(padstack.LargestInnerPad(), stack);
  if (stack && stack->LayerCount() > 0) {
    result.FirstLayer = Describe(padstack.FindPadForLayer(stack->FirstLayer()->Name()), stack);
    result.LastLayer = Describe(padstack.FindPadForLayer(stack->LastLayer()->Name()), stack);
    for (int32_t i = 0; i < stack->LayerCount(); ++i) {
      const TSpecctraLayer& layer = *stack->LayerAt(i);
      const PcbLayerNumber host = layer.HostLayerId();
      if (IsGenericLayerName(layer.Name()) || host < kTopLayer || host > kBottomLayer) continue;
      if (auto pad = Describe(padstack.FindPadForLayer(layer.Name()), stack))
        result.LayerPads.emplace_back(host, *pad);
    }
  }
  const auto [minX, minY, maxX, maxY] = padstack.GetPadsExtent();
  result.Extent = {minX, minY, maxX, maxY};
  return result;
}
