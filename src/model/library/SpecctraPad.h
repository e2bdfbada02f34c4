// One pad of a padstack: the copper of a (shape ...) block on one layer. Its first shape (the
// primary shape) gives the pad's layer, size and host pad shape; a reduced shape is held.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "model/geometry/SpecctraCombinedShape.h"

class TSpecctraPad : public TSpecctraCombinedShape {
public:
  explicit TSpecctraPad(TSpecctraObject* owner) : TSpecctraCombinedShape(owner) {}
  std::string_view ClassName() const override { return "TSpecctraPad"; }

  //   (shape (rect|circle|path|polygon ...) [(connect on|off)] [(reduced (shape ...))]
  //          [(window (shape ...))])
  bool LoadFromFile() override;
  // (shape <shapes and windows>)
  bool ExportToFile() override;

  bool Connect() const { return FConnect; }
  void SetConnect(bool connect) { FConnect = connect; }
  // Nil unless a reduced shape was read.
  TSpecctraAbstractGeometryShape* ReducedShape() const { return FReducedShape.get(); }

private:
  bool LoadReducedShape();

  std::unique_ptr<TSpecctraAbstractGeometryShape> FReducedShape;
  bool FConnect = true;
};

// Queries on the pad's primary shape; a pad without shapes answers empty and 0.
std::string PadLayerName(TSpecctraPad& pad);
// The primary shape's bounding box width and height in host units.
int32_t PadWidth(TSpecctraPad& pad);
int32_t PadHeight(TSpecctraPad& pad);
// The host pad shape (kPadShape...): rectangles and quarter arcs rectangular, circles round,
// paths and polygons octagonal with a square aperture and round otherwise; anything else
// round after a warning.
uint8_t PadHostShape(TSpecctraPad& pad);
double PadArea(TSpecctraPad& pad);
