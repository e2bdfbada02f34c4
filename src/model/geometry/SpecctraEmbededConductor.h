// A conductor shape of an image, and the base of wires: a combined shape whose primary
// shape is drawn on the board.
#pragma once

#include <cstdint>

#include "model/geometry/ShapeOwner.h"
#include "model/geometry/SpecctraCombinedShape.h"

class TSpecctraEmbededConductor : public TSpecctraCombinedShape, public TShapeOwner {
public:
  using TSpecctraCombinedShape::TSpecctraCombinedShape;
  std::string_view ClassName() const override { return "TSpecctraEmbededConductor"; }
  TShapeOwnerKind ShapeOwnerKind() const override { return TShapeOwnerKind::eConductor; }

  //   (conductor shape... (attr fanout) (type route))
  bool LoadFromFile() override;
  bool ExportToPcb() override;

  uint8_t Type() const { return FType; }
  // Wires keep every wire type; a conductor holds the one it was given likewise.
  virtual void SetType(uint8_t type) { FType = type; }
  uint8_t Attribute() const { return FAttribute; }

private:
  // Reads the only word a statement takes.
  bool ExpectValue(int32_t id);

  uint8_t FType = 0;
  uint8_t FAttribute = 0;
};
