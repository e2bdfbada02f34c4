// (polygon layer width x y ...): a closed outline, filled.
#pragma once

#include "model/geometry/SpecctraPolyLineShape.h"

class TSpecctraFilledPolyShape : public TSpecctraPolyLineShape {
public:
  explicit TSpecctraFilledPolyShape(TSpecctraObject* owner)
      : TSpecctraPolyLineShape(owner, eFilledPoly_Shape) {}
  std::string_view ClassName() const override { return "TSpecctraFilledPolyShape"; }

  // As a path, then closed.
  bool LoadFromFile() override;
  // Ends without a line break: the owner continues the line.
  bool ExportToFile() override;
};
