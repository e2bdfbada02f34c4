// (rect layer x1 y1 x2 y2): a rectangle held by its lower-left and upper-right corners.
#pragma once

#include "model/geometry/SpecctraAbstractGeometryShape.h"

class TSpecctraRectShape : public TSpecctraAbstractGeometryShape {
public:
  explicit TSpecctraRectShape(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraRectShape"; }

  bool LoadFromFile() override;
  // Outline tracks of width 0, or a fill when the owner wants a solid primitive.
  bool ExportToPcb() override;
  bool ExportToFile() override;
  TSpecctraExtent GetExtent() const override;
  // Two corners; fails for more, and unless the second corner's Y is above 0.
  bool LoadFromParams(std::string_view prefix, const std::string& params) override;
  // Vertex 0 becomes the lower-left corner, vertex 1 the upper-right one.
  void Normalize() override;
  bool ExportOutlineAsTracks() override;
  // The four corners, counter-clockwise from the lower-left one.
  std::vector<TPcbPoint> HostOutline() override;
};
