// Plain geometry of host objects in host units: points and rotated rectangles.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

struct TPcbPoint {
  int32_t X = 0;
  int32_t Y = 0;
  friend bool operator==(const TPcbPoint&, const TPcbPoint&) = default;
};

// A rectangle of the given size centred on a point and turned counter-clockwise by
// Rotation degrees.
struct TPcbRotatedRect {
  double CenterX = 0;
  double CenterY = 0;
  double Width = 0;
  double Height = 0;
  double Rotation = 0;
};

// The closed ring of an outline: the first vertex again at the end unless it is there.
std::vector<TPcbPoint> ClosedRing(std::vector<TPcbPoint> outline);

// value + delta held to the 32-bit range.
int32_t OffsetCoord(int32_t value, int32_t delta);

// The four corners of the rectangle grown by margin on every side, counter-clockwise from the
// corner that is lower left before the turn; rounded to host units (halves to even).
std::array<TPcbPoint, 4> RectCorners(const TPcbRotatedRect& rect, int32_t margin);
