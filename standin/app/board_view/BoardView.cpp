#include "app/board_view/BoardView.h"

#include <vector>

#include "common/LayerNames.h"
#include "host/PcbApi.h"

namespace pcbhost {

static_assert(kViewLayerCount == kLayerCount);

TBoardView::TBoardView() {
  for (uint32_t n = 0; n < kViewLayerCount; ++n) Layers[n].Name = DefaultLayerName(n);
  Layers[kTopLayer].Next = kBottomLayer;
  Layers[kBottomLayer].Previous = kTopLayer;
}

std::vector<uint32_t> TBoardView::LayerStack() const {
  uint32_t first = 0;
  for (uint32_t n = 1; n < kViewLayerCount && first == 0; ++n) {
    const TLayerView& layer = Layers[n];
    if (layer.Previous == 0 && layer.Next != 0) first = n;
  }
  std::vector<uint32_t> stack;
  std::vector<bool> passed(kViewLayerCount, false);
  for (uint32_t n = first; n > 0 && n < kViewLayerCount && !passed[n]; n = Layers[n].Next) {
    passed[n] = true;
    stack.push_back(n);
  }
  return stack;
}

std::string TBoardView::LayerName(uint32_t number) const {
  if (number >= kViewLayerCount) return "Layer" + std::to_string(number);
  const std::string& name = Layers[number].Name;
  return name.empty() ? std::string(DefaultLayerName(number)) : name;
}

}  // namespace pcbhost
