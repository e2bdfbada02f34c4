// The copper outlines of one host net: a plane the import drew is a solid primitive (polygon,
// split plane or fill) with its outline traced again as width-0 tracks on its layer. Those
// tracks are drawing aids, not copper, and a polygon or split plane traced so is a plane, not
// a wire.
#pragma once

#include <set>
#include <tuple>
#include <vector>

#include "host/PcbApi.h"
#include "model/wiring/RoutedTracks.h"
#include "rtl/PcbGeometry.h"

class TPlaneOutlineEdges {
public:
  // Takes the net's width-0 tracks from its tracks, and reads its polygons, split planes and
  // fills.
  TPlaneOutlineEdges(PcbHandle hostNet, const std::vector<TRoutedTrack>& tracks);

  // A keepout track, or a width-0 track along an edge of a plane, split plane or fill.
  bool IsOutlineTrack(const TRoutedTrack& track) const;
  // A polygon or split plane whose every edge is traced by width-0 tracks: a plane's solid.
  bool IsTracedSolid(PcbHandle solid) const { return FTracedSolids.contains(solid); }

private:
  // Layer and the two ends, the smaller end first.
  using TEdge = std::tuple<PcbLayerId, int32_t, int32_t, int32_t, int32_t>;
  static TEdge MakeEdge(PcbLayerId layer, TPcbPoint from, TPcbPoint to);
  void AddOutline(PcbHandle object, PcbLayerId layer, const std::vector<TPcbPoint>& outline);

  std::set<TEdge> FHairlines;
  std::set<TEdge> FOutlineEdges;
  std::set<PcbHandle> FTracedSolids;
};
