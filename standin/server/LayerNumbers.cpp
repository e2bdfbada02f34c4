#include "server/LayerNumbers.h"

#include "common/LayerNames.h"

#include <array>
#include <utility>

namespace standin {
namespace {

// A partition and the numbers of its layers: ordinal n is first + n - 1, up to last.
struct TPartition {
  uint32_t Id;
  PcbLayerNumber First;
  PcbLayerNumber Last;
};

constexpr std::array<TPartition, 3> kPartitions = {{
    {257, kTopLayer, kMidLayer30},
    {260, kInternalPlane1, kInternalPlane16},
    {1024, kMechanical1, kMechanical16},
}};

constexpr std::array<std::pair<PcbLayerNumber, PcbLayerNumber>, 4> kSidePairs = {{
    {kTopLayer, kBottomLayer},
    {kTopOverlay, kBottomOverlay},
    {kTopPaste, kBottomPaste},
    {kTopSolder, kBottomSolder},
}};

}  // namespace

std::string_view DefaultLayerName(uint32_t number) { return ::DefaultLayerName(number); }

std::optional<PcbLayerNumber> LayerNumberOfId(PcbLayerId id) {
  if (IsLayerNumber(id)) return static_cast<PcbLayerNumber>(id);
  const uint32_t ordinal = id & 0xFFFF;
  if (ordinal == 0) return std::nullopt;
  for (const TPartition& partition : kPartitions) {
    if ((id >> 16) != partition.Id) continue;
    const uint32_t number = partition.First + ordinal - 1;
    return static_cast<PcbLayerNumber>(number < partition.Last ? number : partition.Last);
  }
  return std::nullopt;
}

PcbLayerNumber OtherSideLayer(PcbLayerNumber layer) {
  for (const auto& [top, bottom] : kSidePairs) {
    if (layer == top) return bottom;
    if (layer == bottom) return top;
  }
  return layer;
}

}  // namespace standin
