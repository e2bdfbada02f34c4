// The vertex list of an outline record (polygons, board outlines, split planes).
#pragma once

#include <span>
#include <vector>

#include "host/PcbApi.h"
#include "rtl/PcbGeometry.h"

// Every vertex becomes a straight segment; unless the last vertex equals the first, a closing
// copy of the first follows, outside the count (a closed list of n vertices counts n - 1).
// A list that does not fit leaves the outline alone and answers false.
bool SetOutlineVertices(PcbOutlineRecord& outline, std::span<const TPcbPoint> vertices);
// The end points of the counted segments; a count outside the record is held to it.
std::vector<TPcbPoint> OutlineVertices(const PcbOutlineRecord& outline);
