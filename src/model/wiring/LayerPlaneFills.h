// The split planes a design import lays over the whole board on each internal plane layer
// that carries one net. They are the plane layer itself, part of the layer stack: no wire of
// its net, unlike a polygon wire drawn on that layer.
#pragma once

#include <string>
#include <unordered_map>
#include <vector>

#include "host/PcbApi.h"
#include "rtl/PcbGeometry.h"

class TLayerPlaneFills {
public:
  // Reads the board outline and the net of every internal plane layer in the stack once.
  explicit TLayerPlaneFills(PcbHandle board);
  // A split plane of its layer's own net whose outline is the board outline.
  bool IsLayerPlaneFill(PcbHandle splitPlane) const;

private:
  // The board outline as a closed ring.
  std::vector<TPcbPoint> FBoardRing;
  // Internal plane layer -> its net name, upper-cased.
  std::unordered_map<PcbLayerId, std::string> FPlaneNets;
};
