// The host primitives that shapes become: the common life of a new host object (create,
// read, set, write, add), outlined objects with the host's vertex limit, and keepout regions
// made through the server interface.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "host/PcbApi.h"
#include "rtl/PcbGeometry.h"
#include "rtl/PcbObjectCalls.h"

// Where and how a shape's primitives go on the board.
struct THostPlacement {
  PcbLayerNumber Layer = 0;
  PcbHandle Net = 0;
  PcbHandle Container = 0;
  bool Keepout = false;
  bool Routed = true;
};

// Adds a new object to the container; an object the container refuses is destroyed.
bool AddNewObjectToContainer(PcbHandle container, PcbHandle object);

// A new host object of the wrapper's kind, read, given the placement's layer, net and keepout
// flag and then fill's values, written and added to the container. Answers success.
template <class Wrapper, class Fill>
bool AddHostPrimitive(const THostPlacement& placement, Fill&& fill) {
  Wrapper wrapper(CreatePcbObject(Wrapper().GetObjectKind()));
  wrapper.Update(kPcbMessageRead);
  wrapper.SetLayer(placement.Layer);
  wrapper.SetNet(placement.Net);
  wrapper.SetKeepout(placement.Keepout);
  fill(wrapper);
  wrapper.Update(kPcbMessageWrite);
  return AddNewObjectToContainer(placement.Container, wrapper.GetHandle());
}

// The host's outline records hold 5000 vertices, or 5001 when the last repeats the first.
bool FitsHostOutline(std::span<const TPcbPoint> points);

// A solid polygon on the board: a split plane on an internal plane layer, a polygon (pour
// style 1, the track width, a grid of three widths) elsewhere. Answers its handle, nil when
// it could not be added.
PcbHandle AddHostPolygon(const THostPlacement& placement, int32_t trackWidth,
                         std::span<const TPcbPoint> outline);

// A split plane on the placement's layer; its handle, nil when it could not be added.
PcbHandle AddHostSplitPlane(const THostPlacement& placement, std::span<const TPcbPoint> outline);

// A region made through the host's server interface, added to the container. Answers
// success; error tells what failed.
bool AddHostRegion(const THostPlacement& placement, std::span<const TPcbPoint> outline,
                   std::string& error);
