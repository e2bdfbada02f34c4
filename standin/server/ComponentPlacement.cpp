#include "server/ComponentPlacement.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace standin {
namespace {

struct TTurn {
  double Cos;
  double Sin;
};

// Quarter turns are exact, so that components turned by 90 degrees keep integral positions.
TTurn TurnOf(double degrees) {
  const double normalized = NormalizedDegrees(degrees);
  if (normalized == 0) return {1, 0};
  if (normalized == 90) return {0, 1};
  if (normalized == 180) return {-1, 0};
  if (normalized == 270) return {0, -1};
  const double radians = normalized * std::numbers::pi / 180;
  return {std::cos(radians), std::sin(radians)};
}

TPointD Turned(TPointD point, TTurn turn) {
  return {point.X * turn.Cos - point.Y * turn.Sin, point.X * turn.Sin + point.Y * turn.Cos};
}

double Mirrored(double angle, bool bottom) { return bottom ? -angle : angle; }

// The end angle of an arc that starts at a normalized angle: a full turn or more stays as it
// is (a circle remains a circle), anything less is normalized too.
TArcAngles ArcFrom(double start, double sweep) {
  const double end = start + sweep;
  return {start, std::fabs(sweep) >= 360 ? end : NormalizedDegrees(end)};
}

}  // namespace

double NormalizedDegrees(double degrees) {
  if (!std::isfinite(degrees)) return 0;
  double normalized = std::fmod(degrees, 360.0);
  if (normalized < 0) normalized += 360;
  return normalized >= 360 ? 0 : normalized;
}

int32_t ToCoord(double value) {
  if (std::isnan(value)) return 0;
  const double rounded = std::nearbyint(value);
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

TPointD PlaceOnBoard(const TPlacement& placement, TPointD relative) {
  if (placement.Bottom) relative.X = -relative.X;
  const TPointD turned = Turned(relative, TurnOf(placement.Rotation));
  return {placement.X + turned.X, placement.Y + turned.Y};
}

TPointD RelativeToPlacement(const TPlacement& placement, TPointD board) {
  TPointD relative = Turned({board.X - placement.X, board.Y - placement.Y},
                            TurnOf(-placement.Rotation));
  if (placement.Bottom) relative.X = -relative.X;
  return relative;
}

double DirectionOnBoard(const TPlacement& placement, double relative) {
  return NormalizedDegrees(Mirrored(relative, placement.Bottom) + placement.Rotation);
}

double DirectionRelativeTo(const TPlacement& placement, double board) {
  return NormalizedDegrees(Mirrored(board - placement.Rotation, placement.Bottom));
}

// An arc from s to e, mirrored, runs from 180 - e to 180 - s, with the same sweep.
TArcAngles ArcAnglesOnBoard(const TPlacement& placement, TArcAngles relative) {
  const double sweep = relative.End - relative.Start;
  const double start = placement.Bottom ? 180 - relative.End : relative.Start;
  return ArcFrom(NormalizedDegrees(start + placement.Rotation), sweep);
}

TArcAngles ArcAnglesRelativeTo(const TPlacement& placement, TArcAngles board) {
  const double sweep = board.End - board.Start;
  const double unturned = board.Start - placement.Rotation;
  // Undo the mirror: the board start is 180 minus the relative end.
  const double start = placement.Bottom ? 180 - (unturned + sweep) : unturned;
  return ArcFrom(NormalizedDegrees(start), sweep);
}

}  // namespace standin
