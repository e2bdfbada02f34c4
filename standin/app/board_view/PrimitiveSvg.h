// SVG elements of a board's primitives, in board coordinates (the drawing flips the y axis
// once for all of them). Colours come from the layer's group; the elements carry geometry,
// exact widths and what sets them apart (round line caps, hatched keepouts).
#pragma once

#include <string>

#include "app/board_view/BoardPrimitives.h"

namespace pcbhost {

struct TPrimitivePaint {
  // Stroke width of outlines (polygons, split planes, keepout areas) and of lines of width 0.
  double OutlineWidth = 0;
  // The fill of keepout areas ("url(#...)", a hatch pattern).
  std::string KeepoutFill;
};

// Whether the primitive is a keepout area (a keepout fill, region or polygon, or one on the
// keepout layer), drawn hatched.
bool IsKeepoutArea(const TPrimitiveView& primitive);

// The primitive as drawn in its layer's group; empty for what is not drawn there (the board
// outline) or has nothing to show.
std::string PrimitiveSvg(const TPrimitiveView& primitive, const TPrimitivePaint& paint);

// Whether the primitive is a pad or via with a hole.
bool HasDrillHole(const TPrimitiveView& primitive);

// The drill hole of a pad or via: a circle; empty when it has none.
std::string DrillHoleSvg(const TPrimitiveView& primitive);

// A closed outline as a polygon's points ("x,y x,y ...").
std::string OutlinePoints(const TAreaView& area);

}  // namespace pcbhost
