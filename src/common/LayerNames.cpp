#include "common/LayerNames.h"

#include <array>

namespace {

// Each name fits the host's 20-byte layer name.
constexpr std::array<std::string_view, kDefaultLayerNameCount> kLayerNames = {
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

}  // namespace

std::string_view DefaultLayerName(uint32_t number) {
  return number < kLayerNames.size() ? kLayerNames[number] : std::string_view();
}
