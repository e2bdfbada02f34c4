// The offset that moves a design into the host workspace (0 to 999,990,000 host units on each
// axis), keeping a margin of 20,000,000 units where the design leaves room for it.
#pragma once

#include <cstdint>

struct TBoardExtent {
  int32_t MinX = 0;
  int32_t MinY = 0;
  int32_t MaxX = 0;
  int32_t MaxY = 0;
};

struct TBoardOffset {
  // False when the design is larger than the workspace on either axis: then no offset.
  bool Fits = false;
  double X = 0;
  double Y = 0;
};

TBoardOffset ComputeBoardOffset(const TBoardExtent& extent);
