#include "rtl/PcbOutline.h"

#include <algorithm>

namespace {

PcbOutlineSegment StraightSegmentTo(const TPcbPoint& point) {
  PcbOutlineSegment segment{};
  segment.kind = kPcbSegmentLine;
  segment.x = point.X;
  segment.y = point.Y;
  return segment;
}

}  // namespace

bool SetOutlineVertices(PcbOutlineRecord& outline, std::span<const TPcbPoint> vertices) {
  const bool closed = vertices.empty() || vertices.front() == vertices.back();
  const std::size_t slots = closed ? vertices.size() : vertices.size() + 1;
  if (slots > static_cast<std::size_t>(kPcbOutlineCapacity)) return false;
  for (std::size_t i = 0; i < vertices.size(); ++i)
    outline.segments[i] = StraightSegmentTo(vertices[i]);
  if (!closed) outline.segments[vertices.size()] = StraightSegmentTo(vertices.front());
  outline.segmentCount =
      static_cast<int32_t>(closed && !vertices.empty() ? vertices.size() - 1 : vertices.size());
  return true;
}

std::vector<TPcbPoint> OutlineVertices(const PcbOutlineRecord& outline) {
  const int32_t count = std::clamp(outline.segmentCount, 0, kPcbOutlineCapacity);
  std::vector<TPcbPoint> vertices;
  vertices.reserve(static_cast<std::size_t>(count));
  for (int32_t i = 0; i < count; ++i)
    vertices.push_back({outline.segments[i].x, outline.segments[i].y});
  return vertices;
}
