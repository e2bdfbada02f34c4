// A pad's copper as SVG: round (an oval when its sides differ), rectangle, octagon or rounded
// rectangle, at the pad's centre and turned by its rotation.
#pragma once

#include <cstdint>
#include <string>

#include "app/board_view/BoardPrimitives.h"

namespace pcbhost {

// The pad's shape on the layer it is drawn in: a simple pad has its top shape everywhere; a
// top-middle-bottom pad its bottom shape on the bottom layer and its middle shape on the inner
// layers; a full-stack pad the shape of the layer itself when it has one. A multi-layer pad
// shows its top shape.
const TPadShapeView& PadShapeOnLayer(const TPadView& pad, uint32_t layer);

// One element, filled by the group it is drawn in; empty for a shape without size.
std::string PadSvg(const TPadView& pad, uint32_t layer);

}  // namespace pcbhost
