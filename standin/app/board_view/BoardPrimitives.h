// The drawable objects of a board document as the viewer keeps them: board coordinates in
// host units (1 mil = 10000), angles in degrees counter-clockwise.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace pcbhost {

struct TBoardPoint {
  double X = 0;
  double Y = 0;
};

struct TTrackView {
  TBoardPoint From;
  TBoardPoint To;
  double Width = 0;
};

// Drawn counter-clockwise from the start angle to the end angle.
struct TArcView {
  TBoardPoint Centre;
  double Radius = 0;
  double StartAngle = 0;
  double EndAngle = 0;
  double Width = 0;
};

struct TViaView {
  TBoardPoint Centre;
  double Diameter = 0;
  double HoleSize = 0;
};

// A pad's copper on one layer: the host's shape number and its X and Y size.
struct TPadShapeView {
  uint32_t Shape = 0;
  double X = 0;
  double Y = 0;
  // Of a rounded rectangle: the corner radius in percent of half the smaller side.
  double CornerPercent = 50;
};

struct TPadView {
  TBoardPoint Centre;
  std::string Name;
  double Rotation = 0;
  double HoleSize = 0;
  uint32_t StackMode = 0;
  TPadShapeView Top;
  TPadShapeView Middle;
  TPadShapeView Bottom;
  // Full-stack pads: the shape of each layer that has one.
  std::map<uint32_t, TPadShapeView> PerLayer;
};

// A rectangle from corner to corner, turned about its centre.
struct TFillView {
  TBoardPoint Corner1;
  TBoardPoint Corner2;
  double Rotation = 0;
};

// Anchored at its lower left corner; the text is a byte string.
struct TTextView {
  TBoardPoint Origin;
  std::string Text;
  double Height = 0;
  double Rotation = 0;
};

enum class TAreaKind { Polygon, Region, SplitPlane, BoardOutline };

// A closed outline: a polygon, region, split plane or the board outline.
struct TAreaView {
  TAreaKind Kind = TAreaKind::Region;
  std::vector<TBoardPoint> Outline;
};

// A pad is held apart: it is several times the size of the other shapes, and a board's
// tracks far outnumber its pads.
using TPadPointer = std::unique_ptr<const TPadView>;

using TPrimitiveShape =
    std::variant<TTrackView, TArcView, TViaView, TPadPointer, TFillView, TTextView, TAreaView>;

struct TPrimitiveView {
  // Layer number 0..82.
  uint32_t Layer = 0;
  uint32_t Net = 0;
  bool Keepout = false;
  TPrimitiveShape Shape;
};

}  // namespace pcbhost
