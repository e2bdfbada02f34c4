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

TPlaneOutlineEdges::TPlaneOutlineEdges(PcbHandle hostNet,
                                       const std::vector<TRoutedTrack>& tracks) {
  for (const TRoutedTrack& track : tracks)
    if (track.Width == 0)
      FHairlines.insert(MakeEdge(track.LayerId, {track.X1, track.Y1}, {track.X2, track.Y2}));
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

bool TPlaneOutlineEdges::IsOutlineTrack(const TRoutedTrack& track) const {
  if (track.Keepout) return true;
  if (track.Width != 0) return false;
  return FOutlineEdges.contains(
      MakeEdge(track.LayerId, {track.X1, track.Y1}, {track.X2, track.Y2}));
}
