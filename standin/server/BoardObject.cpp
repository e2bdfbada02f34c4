#include "server/BoardObject.h"

#include <cmath>

#include "server/LayerNumbers.h"

namespace standin {
namespace {

// Board values are integers: a placed point that rounds to the same value is the same point.
constexpr double kCoordTolerance = 0.5;
constexpr double kAngleTolerance = 1e-9;

bool SamePoint(TPointD placed, TPointD board) {
  return std::fabs(placed.X - board.X) <= kCoordTolerance &&
         std::fabs(placed.Y - board.Y) <= kCoordTolerance;
}

bool SameAngle(double a, double b) {
  const double difference = NormalizedDegrees(a - b);
  return difference <= kAngleTolerance || 360 - difference <= kAngleTolerance;
}

TGeometry Transformed(const TGeometry& geometry, const TPlacement& placement, bool toBoard) {
  TGeometry result = geometry;
  const auto point = [&](TPointD p) {
    return toBoard ? PlaceOnBoard(placement, p) : RelativeToPlacement(placement, p);
  };
  for (uint8_t i = 0; i < geometry.PointCount; ++i) result.Points[i] = point(geometry.Points[i]);
  for (TPointD& vertex : result.Outline) vertex = point(vertex);
  if (geometry.AngleKind == TGeometry::TAngles::Direction) {
    result.Angles[0] = toBoard ? DirectionOnBoard(placement, geometry.Angles[0])
                               : DirectionRelativeTo(placement, geometry.Angles[0]);
  } else if (geometry.AngleKind == TGeometry::TAngles::Arc) {
    const TArcAngles angles{geometry.Angles[0], geometry.Angles[1]};
    const TArcAngles moved = toBoard ? ArcAnglesOnBoard(placement, angles)
                                     : ArcAnglesRelativeTo(placement, angles);
    result.Angles[0] = moved.Start;
    result.Angles[1] = moved.End;
  }
  return result;
}

bool SameGeometry(const TGeometry& placed, const TGeometry& board) {
  if (placed.Outline.size() != board.Outline.size()) return false;
  for (uint8_t i = 0; i < placed.PointCount; ++i)
    if (!SamePoint(placed.Points[i], board.Points[i])) return false;
  for (std::size_t i = 0; i < placed.Outline.size(); ++i)
    if (!SamePoint(placed.Outline[i], board.Outline[i])) return false;
  return placed.AngleKind == TGeometry::TAngles::None ||
         (SameAngle(placed.Angles[0], board.Angles[0]) &&
          SameAngle(placed.Angles[1], board.Angles[1]));
}

}  // namespace

void TBoardObject::PutInContainer(TBoard* board, PcbHandle component) {
  FInContainer = true;
  FBoard = board;
  FComponent = component;
}

void TBoardObject::TakeOutOfContainer() {
  FInContainer = false;
  FBoard = nullptr;
  FComponent = 0;
  FRelative.reset();
}

void TBoardObject::TurnOver() { FCommon.Layer = OtherSideLayer(FCommon.Layer); }

void TBoardObject::KeepRelativeTo(const TPlacement& placement) {
  const TGeometry board = BoardGeometry();
  if (FRelative && SameGeometry(Transformed(FRelative->Unpack(), placement, true), board)) return;
  FRelative = TPackedGeometry::Pack(Transformed(board, placement, false));
}

void TBoardObject::PlaceRelativeTo(const TPlacement& placement) {
  if (!FRelative) FRelative = TPackedGeometry::Pack(Transformed(BoardGeometry(), {}, false));
  SetBoardGeometry(Transformed(FRelative->Unpack(), placement, true));
}

void TBoardObject::RemapHandles(const THandleMap& map) { FCommon.Net = map(FCommon.Net); }

}  // namespace standin
