// Where a component puts its primitives. A primitive inside a component is held relative to
// the component; its board position is
//   location + R(rotation) · M(side) · relative
// where M negates x for a component on the bottom side (a mirror about the component's own Y
// axis, done first) and R turns counter-clockwise by the rotation in degrees.
#pragma once

#include <cstdint>

namespace standin {

struct TPointD {
  double X = 0;
  double Y = 0;
};

struct TPlacement {
  double X = 0;
  double Y = 0;
  double Rotation = 0;  // degrees, counter-clockwise
  bool Bottom = false;

  bool operator==(const TPlacement&) const = default;
};

TPointD PlaceOnBoard(const TPlacement& placement, TPointD relative);
TPointD RelativeToPlacement(const TPlacement& placement, TPointD board);

// A direction (a pad's or text's rotation, a fill's turn): mirrored, then turned; in [0, 360).
double DirectionOnBoard(const TPlacement& placement, double relative);
double DirectionRelativeTo(const TPlacement& placement, double board);

// An arc's start and end angles (counter-clockwise from start to end). Mirroring reverses the
// arc's sense, so start and end change places; the arc keeps its sweep.
struct TArcAngles {
  double Start = 0;
  double End = 0;
};
TArcAngles ArcAnglesOnBoard(const TPlacement& placement, TArcAngles relative);
TArcAngles ArcAnglesRelativeTo(const TPlacement& placement, TArcAngles board);

// The nearest host coordinate (halves to even), held to the 32-bit range; 0 for NaN.
int32_t ToCoord(double value);
// The angle in [0, 360).
double NormalizedDegrees(double degrees);

}  // namespace standin
