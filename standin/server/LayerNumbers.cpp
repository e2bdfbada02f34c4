#include "server/LayerNumbers.h"

#include <array>
#include <utility>

namespace standin {
namespace {

constexpr std::array<std::string_view, kLayerCount> kLayerNames = {
    "NoLayer",         "TopLayer",        "MidLayer1",       "MidLayer2",       "MidLayer3",
    "MidLayer4",       "MidLayer5",       "MidLayer6",       "MidLayer7",       "MidLayer8",
    "MidLayer9",       "MidLayer10",      "MidLayer11",      "MidLayer12",      "MidLayer13",
    "MidLayer14",      "MidLayer15",      "MidLayer16",      "MidLayer17",      "MidLayer18",
    "MidLayer19",      "MidLayer20",      "MidLayer21",      "MidLayer22",      "MidLayer23",
    "MidLayer24",      "MidLayer25",      "MidLayer26",      "MidLayer27",      "MidLayer28",
    "MidLayer29",      "MidLayer30",      "BottomLayer",     "TopOverlay",      "BottomOverlay",
    "TopPaste",        "BottomPaste",     "TopSolder",       "BottomSolder",    "InternalPlane1",
    "InternalPlane2",  "InternalPlane3",  "InternalPlane4",  "InternalPlane5",  "InternalPlane6",
    "InternalPlane7",  "InternalPlane8",  "InternalPlane9",  "InternalPlane10", "InternalPlane11",
    "InternalPlane12", "InternalPlane13", "InternalPlane14", "InternalPlane15", "InternalPlane16",
    "DrillGuide",      "KeepOutLayer",    "Mechanical1",     "Mechanical2",     "Mechanical3",
    "Mechanical4",     "Mechanical5",     "Mechanical6",     "Mechanical7",     "Mechanical8",
    "Mechanical9",     "Mechanical10",    "Mechanical11",    "Mechanical12",    "Mechanical13",
    "Mechanical14",    "Mechanical15",    "Mechanical16",    "DrillDrawing",    "MultiLayer",
    "ConnectLayer",    "BackGroundLayer", "DRCErrorLayer",   "HighlightLayer",  "GridColor1",
    "GridColor10",     "PadHoleLayer",    "ViaHoleLayer"};

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

std::string_view DefaultLayerName(uint32_t number) {
  return IsLayerNumber(number) ? kLayerNames[number] : std::string_view();
}

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
