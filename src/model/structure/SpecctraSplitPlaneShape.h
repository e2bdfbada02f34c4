// (plane net shape... (window shape)): a split plane of a power layer, filled with its net.
#pragma once

#include <string>

#include "model/geometry/ShapeOwner.h"
#include "model/geometry/SpecctraCombinedShape.h"

class TSpecctraSplitPlaneShape : public TSpecctraCombinedShape, public TShapeOwner {
public:
  using TSpecctraCombinedShape::TSpecctraCombinedShape;
  std::string_view ClassName() const override { return "TSpecctraSplitPlaneShape"; }
  TShapeOwnerKind ShapeOwnerKind() const override { return TShapeOwnerKind::eSplitPlane; }
  std::string ShapeNetName() const override { return FNetName; }

  bool LoadFromFile() override;
  // The primary shape as a solid primitive (a split plane on an internal plane), then its
  // outline as tracks; answers the outline's result.
  bool ExportToPcb() override;

  const std::string& NetName() const { return FNetName; }

private:
  std::string FNetName;
};
