// A geometry kept in as few bytes as it holds, in the object pool: what a component member
// keeps of its place relative to the component for as long as it is in it. A pad's (one point
// and a direction) takes 40 bytes instead of a whole geometry's 88 and a heap block.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "server/ObjectGeometry.h"

namespace standin {

class TPackedGeometry {
public:
  struct TRelease {
    void operator()(TPackedGeometry* packed) const noexcept;
  };
  using TPointer = std::unique_ptr<TPackedGeometry, TRelease>;

  static TPointer Pack(const TGeometry& geometry);
  TGeometry Unpack() const;

  TPackedGeometry(const TPackedGeometry&) = delete;
  TPackedGeometry& operator=(const TPackedGeometry&) = delete;

private:
  TPackedGeometry(const TGeometry& geometry);
  ~TPackedGeometry() = default;

  // The numbers after the header: the points, the two angles (when it has angles) and the
  // outline's vertices, two numbers a point.
  static std::size_t NumberCount(uint8_t points, TGeometry::TAngles angles, uint32_t vertices);
  std::size_t Bytes() const;
  double* Numbers() { return reinterpret_cast<double*>(this + 1); }
  const double* Numbers() const { return reinterpret_cast<const double*>(this + 1); }

  uint8_t FPointCount;
  TGeometry::TAngles FAngleKind;
  uint32_t FVertexCount;
};

static_assert(sizeof(TPackedGeometry) == sizeof(double), "the numbers follow aligned");

}  // namespace standin
