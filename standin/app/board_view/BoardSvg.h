// Draws a board view as an SVG picture: the board's shape and outline, each layer's primitives
// in the layer's colour (bottom side first), vias, drill holes on top, and a legend of the
// layers drawn. The board's y axis points up; the viewBox fits the outline and everything drawn
// with a margin, and all lengths are board units, so widths in the picture are exact.
#pragma once

#include <string>

#include "app/board_view/BoardView.h"
#include "app/board_view/TextSink.h"

namespace pcbhost {

// Writes the picture to the sink piece by piece; false when the sink failed.
bool RenderBoardSvg(const TBoardView& view, const std::string& title, TTextSink& out);

}  // namespace pcbhost
