#include "model/wiring/PlaneOutlineEdges.h"

#include <algorithm>
#include <vector>

#include "rtl/PcbIteration.h"
#include "rtl/PcbPolygons.h"
#include "rtl/PcbPrimitives.h"

TPlaneOutlineEdges::TEdge TPlaneOutlineEdges::MakeEdge(PcbLayerId layer, TPcbPoint from,
                                                      TPcbPoint to) {
  if (std::tie(to.X, to.Y) < std::tie(from.X, from.Y)) std::swap(from, to);
  return {layer, from.X, from.Y, to.X, to.Y};
}

TPlaneOutlineEdges::TPlaneOutlineEdges(PcbHandle hostNet) {
  ForEachPcbObject(hostNet, kPcbObjectTrack, [&](PcbHandle handle) {
    TPcbTrack track(handle);
    track.Update(kPcbMessageRead);
    if (track.GetWidth() != 0) return;
    FHairlines.insert(MakeEdge(track.GetLayerId(), {track.GetX(), track.GetY()},
                               {track.GetX2(), track.GetY2()}));
  });
  if (FHairlines.empty()) return;
  ForEachPcbObject(hostNet, kPcbObjectPolygon, [&](PcbHandle handle) {
    TPcbPolygon polygon(handle);
    polygon.Update(kPcbMessageRead);
    AddOutline(handle, polygon.GetLayerId(), polygon.GetOutline());
  });
  ForEachPcbObject(hostNet, kPcbObjectSplitPlane, [&](PcbHandle handle) {
    TPcbSplitPlane plane(handle);
    plane.Update(kPcbMessageRead);
    AddOutline(handle, plane.GetLayerId(), plane.GetOutline());
  });
  ForEachPcbObject(hostNet, kPcbObjectFill, [&](PcbHandle handle) {
    TPcbFill fill(handle);
    fill.Update(kPcbMessageRead);
    if (fill.GetRotation() != 0) return;
    const int32_t x0 = fill.GetX(), y0 = fill.GetY(), x1 = fill.GetX2(), y1 = fill.GetY2();
    AddOutline(0, fill.GetLayerId(), {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
  });
}

// Only a solid whose whole ring is traced counts, so that a wire's polygon that merely shares
// an edge with a hairline stays copper.
void TPlaneOutlineEdges::AddOutline(PcbHandle object, PcbLayerId layer,
                                    const std::vector<TPcbPoint>& outline) {
  const std::vector<TPcbPoint> ring = ClosedRing(outline);
  if (ring.size() < 2) return;
  std::vector<TEdge> edges;
  for (std::size_t i = 1; i < ring.size(); ++i) {
    if (ring[i] == ring[i - 1]) continue;
    edges.push_back(MakeEdge(layer, ring[i - 1], ring[i]));
  }
  const bool traced = std::ranges::all_of(
      edges, [&](const TEdge& edge) { return FHairlines.contains(edge); });
  if (!traced) return;
  FOutlineEdges.insert(edges.begin(), edges.end());
  if (object) FTracedSolids.insert(object);
}

bool TPlaneOutlineEdges::IsOutlineTrack(PcbHandle handle) const {
  TPcbTrack track(handle);
  track.Update(kPcbMessageRead);
  if (track.GetKeepout()) return true;
  if (track.GetWidth() != 0) return false;
  return FOutlineEdges.contains(MakeEdge(track.GetLayerId(), {track.GetX(), track.GetY()},
                                         {track.GetX2(), track.GetY2()}));
}
