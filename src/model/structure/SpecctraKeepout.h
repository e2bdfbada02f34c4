// A keepout of the structure or of an image: (keepout|via_keepout|wire_keepout|bend_keepout|
// place_keepout|elongate_keepout [id] shape... (window shape) (sequence_number n) ...).
// Only its primary shape reaches the board, on the keepout's layer with the keepout flag.
#pragma once

#include <cstdint>
#include <string>

#include "model/geometry/ShapeOwner.h"
#include "model/geometry/SpecctraCombinedShape.h"

class TSpecctraKeepout : public TSpecctraCombinedShape, public TShapeOwner {
public:
  using TSpecctraCombinedShape::TSpecctraCombinedShape;
  std::string_view ClassName() const override { return "TSpecctraKeepout"; }
  TShapeOwnerKind ShapeOwnerKind() const override { return TShapeOwnerKind::eKeepout; }

  // Entered with the opening keyword as the current token.
  bool LoadFromFile() override;
  bool ExportToPcb() override;

  // 1 via, 2 wire, 3 bend, 4 place, 5 elongate, 6 plain keepout, 0 any other keyword.
  uint8_t KeepoutKind() const { return FKind; }
  const std::string& Identifier() const { return FIdentifier; }
  int32_t SequenceNumber() const { return FSequenceNumber; }

private:
  // Answers whether it took the token; the statement's result joins result.
  bool HandleStatement(int32_t id, bool& result);
  bool LoadSequenceNumber();

  uint8_t FKind = 0;
  std::string FIdentifier;
  int32_t FSequenceNumber = 0;
};
