// The geometry of an object that moves with a component.
#pragma once

#include <cstdint>
#include <vector>

#include "server/ComponentPlacement.h"

namespace standin {

// Up to two points, the angles (a direction, or an arc's start and end) and an outline.
struct TGeometry {
  enum class TAngles : uint8_t { None, Direction, Arc };
  uint8_t PointCount = 0;
  TPointD Points[2];
  TAngles AngleKind = TAngles::None;
  double Angles[2] = {0, 0};
  std::vector<TPointD> Outline;
};

}  // namespace standin
