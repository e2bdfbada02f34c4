// (circle layer diameter [x y]): a circle by its diameter and centre (0, 0 when not given).
#pragma once

#include "model/geometry/SpecctraAbstractGeometryShape.h"

class TSpecctraCircleShape : public TSpecctraAbstractGeometryShape {
public:
  explicit TSpecctraCircleShape(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraCircleShape"; }

  bool LoadFromFile() override;
  // A full-circle host arc of width 0.
  bool ExportToPcb() override;
  bool ExportToFile() override;
  TSpecctraExtent GetExtent() const override;
  // The centre and the diameter under prefix + "D".
  void StoreToParams(std::string_view prefix, std::string& params) override;
  // Fails for more than one vertex and unless the diameter is above 0.
  bool LoadFromParams(std::string_view prefix, const std::string& params) override;

  double Diameter() const { return FDiameter; }
  void SetDiameter(double diameter) { FDiameter = diameter; }

protected:
  std::string StoredLayerError(const std::string& name) const override;

private:
  double FDiameter = 0;
};
