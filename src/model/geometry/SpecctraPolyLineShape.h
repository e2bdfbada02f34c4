// (path layer width x y ... [(aperture_type round|square)]): a line through its vertices,
// drawn with an aperture of the width. Also the base of the filled polygon.
#pragma once

#include "model/geometry/SpecctraAbstractGeometryShape.h"

class TSpecctraPolyLineShape : public TSpecctraAbstractGeometryShape {
public:
  explicit TSpecctraPolyLineShape(TSpecctraObject* owner)
      : TSpecctraPolyLineShape(owner, ePolyLine_Shape) {}
  std::string_view ClassName() const override { return "TSpecctraPolyLineShape"; }

  bool LoadFromFile() override;
  // By export mode: outline tracks, a keepout region, or a polygon (split plane on an
  // internal plane). A shape without vertices creates nothing.
  bool ExportToPcb() override;
  bool ExportToFile() override;
  TSpecctraExtent GetExtent() const override;
  void StoreExtraParams(std::string_view prefix, std::string& params) override;
  void LoadExtraParams(std::string_view prefix, const std::string& params) override;
  TPcbExportMode PcbExportMode() const override;
  // Closes the outline: a copy of the first vertex follows a last one that differs.
  void Normalize() override;
  // One track per pair of consecutive vertices.
  bool ExportOutlineAsTracks() override;

  double Width() const { return FWidth; }
  void SetWidth(double width) { FWidth = width; }
  bool SquareAperture() const { return FSquareAperture; }
  void SetSquareAperture(bool square) { FSquareAperture = square; }

protected:
  TSpecctraPolyLineShape(TSpecctraObject* owner, TSpecctraShapeKind kind)
      : TSpecctraAbstractGeometryShape(owner, kind) {}
  double ApertureWidth() const override { return FWidth; }

private:
  // The x y pairs up to the shape's closing parenthesis, then its options.
  bool ReadVertices(std::vector<TVertex>& vertices);
  // The trailing option blocks, up to and with the shape's own closing parenthesis.
  bool LoadOptions();
  bool ExportAsRegion();
  bool ExportAsPolygon();

  double FWidth = 0;
  bool FSquareAperture = false;
};
