// The rectangle that a board's drawing covers, in board coordinates.
#pragma once

#include "app/board_view/BoardPrimitives.h"

namespace pcbhost {

struct TBoardBox {
  double MinX = 0;
  double MinY = 0;
  double MaxX = 0;
  double MaxY = 0;
  bool Empty = true;

  // Grows the box to hold the square of half-size `reach` around the point.
  void Include(TBoardPoint point, double reach = 0);
  void Include(const TBoardBox& other);
  double Width() const { return MaxX - MinX; }
  double Height() const { return MaxY - MinY; }
};

// What the primitive covers once drawn (generously for arcs, turned shapes and texts).
TBoardBox ExtentOf(const TPrimitiveView& primitive);

}  // namespace pcbhost
