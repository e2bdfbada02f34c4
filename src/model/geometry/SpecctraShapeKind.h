// The five Specctra shape forms and the ways a shape becomes host primitives.
#pragma once

#include <cstdint>

enum TSpecctraShapeKind : uint8_t {
  eFilledPoly_Shape = 0,
  eRect_Shape = 1,
  eCircle_Shape = 2,
  ePolyLine_Shape = 3,
  eQArc_Shape = 4,
};

enum TPcbExportMode : uint8_t {
  // The outline drawn as host tracks.
  eOutline_Export = 0,
  // A solid host primitive: fill, polygon or split plane.
  eSolid_Export = 2,
  // A host region.
  eRegion_Export = 3,
};
