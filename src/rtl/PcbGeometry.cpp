#include "rtl/PcbGeometry.h"

#include <cmath>
#include <numbers>

#include "rtl/HostUnits.h"

std::vector<TPcbPoint> ClosedRing(std::vector<TPcbPoint> outline) {
  if (!outline.empty() && !(outline.front() == outline.back())) outline.push_back(outline.front());
  return outline;
}

int32_t OffsetCoord(int32_t value, int32_t delta) {
  return RoundToHostUnits(static_cast<double>(value) + delta);
}

std::array<TPcbPoint, 4> RectCorners(const TPcbRotatedRect& rect, int32_t margin) {
  const double halfWidth = rect.Width / 2 + margin;
  const double halfHeight = rect.Height / 2 + margin;
  const double radians = rect.Rotation * std::numbers::pi / 180;
  const double cosine = std::cos(radians);
  const double sine = std::sin(radians);
  constexpr std::array<std::array<double, 2>, 4> kSigns = {{{-1, -1}, {1, -1}, {1, 1}, {-1, 1}}};
  std::array<TPcbPoint, 4> corners;
  for (std::size_t i = 0; i < corners.size(); ++i) {
    const double dx = kSigns[i][0] * halfWidth;
    const double dy = kSigns[i][1] * halfHeight;
    corners[i] = {RoundToHostUnits(rect.CenterX + dx * cosine - dy * sine),
                  RoundToHostUnits(rect.CenterY + dx * sine + dy * cosine)};
  }
  return corners;
}
