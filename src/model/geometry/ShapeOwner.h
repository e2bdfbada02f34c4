// What a shape asks of the object that owns it. Objects whose shapes translate differently
// (keepouts, split planes, conductors and wires, image outlines, the boundary, the structure)
// implement this beside TSpecctraObject; any other owner is a plain one.
#pragma once

#include <cstdint>
#include <string>

enum class TShapeOwnerKind : uint8_t {
  eStructure,
  eBoundary,
  eKeepout,
  eSplitPlane,
  eConductor,
  eWire,
  eImage,
};

class TShapeOwner {
public:
  virtual TShapeOwnerKind ShapeOwnerKind() const = 0;
  // The net of the shapes of split planes and wires; empty when none was given.
  virtual std::string ShapeNetName() const { return {}; }
  // False for wires whose tracks the router must leave alone (fixed, route, protect).
  virtual bool ShapesRouted() const { return true; }

protected:
  ~TShapeOwner() = default;
};
