#include "server/PackedGeometry.h"

#include <new>

#include "server/ObjectPool.h"

namespace standin {

std::size_t TPackedGeometry::NumberCount(uint8_t points, TGeometry::TAngles angles,
                                         uint32_t vertices) {
  const std::size_t angleCount = angles == TGeometry::TAngles::None ? 0 : 2;
  return 2 * std::size_t{points} + angleCount + 2 * std::size_t{vertices};
}

std::size_t TPackedGeometry::Bytes() const {
  return sizeof(TPackedGeometry) +
         NumberCount(FPointCount, FAngleKind, FVertexCount) * sizeof(double);
}

TPackedGeometry::TPackedGeometry(const TGeometry& geometry)
    : FPointCount(geometry.PointCount),
      FAngleKind(geometry.AngleKind),
      FVertexCount(static_cast<uint32_t>(geometry.Outline.size())) {
  double* number = Numbers();
  for (uint8_t i = 0; i < FPointCount; ++i) {
    *number++ = geometry.Points[i].X;
    *number++ = geometry.Points[i].Y;
  }
  if (FAngleKind != TGeometry::TAngles::None) {
    *number++ = geometry.Angles[0];
    *number++ = geometry.Angles[1];
  }
  for (const TPointD& vertex : geometry.Outline) {
    *number++ = vertex.X;
    *number++ = vertex.Y;
  }
}

TPackedGeometry::TPointer TPackedGeometry::Pack(const TGeometry& geometry) {
  const auto vertices = static_cast<uint32_t>(geometry.Outline.size());
  const std::size_t bytes =
      sizeof(TPackedGeometry) +
      NumberCount(geometry.PointCount, geometry.AngleKind, vertices) * sizeof(double);
  return TPointer(new (AllocateObjectMemory(bytes)) TPackedGeometry(geometry));
}

void TPackedGeometry::TRelease::operator()(TPackedGeometry* packed) const noexcept {
  const std::size_t bytes = packed->Bytes();
  packed->~TPackedGeometry();
  ReleaseObjectMemory(packed, bytes);
}

TGeometry TPackedGeometry::Unpack() const {
  TGeometry geometry;
  geometry.PointCount = FPointCount;
  geometry.AngleKind = FAngleKind;
  const double* number = Numbers();
  for (uint8_t i = 0; i < FPointCount; ++i) {
    geometry.Points[i] = {number[0], number[1]};
    number += 2;
  }
  if (FAngleKind != TGeometry::TAngles::None) {
    geometry.Angles[0] = number[0];
    geometry.Angles[1] = number[1];
    number += 2;
  }
  geometry.Outline.reserve(FVertexCount);
  for (uint32_t i = 0; i < FVertexCount; ++i) {
    geometry.Outline.push_back({number[0], number[1]});
    number += 2;
  }
  return geometry;
}

}  // namespace standin
