// The structure's (boundary ...) statements: the design's bounding rectangle (a rect on
// layer pcb), the board shape that gives the board outline (the last path on layer signal)
// and the other boundary shapes. On import it draws them on the keep-out layer, sets the
// host board outline and fills the internal planes that carry a single net.
#pragma once

#include <memory>
#include <span>
#include <vector>

#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"
#include "model/geometry/ShapeOwner.h"
#include "model/geometry/SpecctraAbstractGeometryShape.h"
#include "model/geometry/SpecctraRectShape.h"

class TSpecctraDesignBoundary : public TSpecctraObject, public TShapeOwner {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraDesignBoundary"; }
  TShapeOwnerKind ShapeOwnerKind() const override { return TShapeOwnerKind::eBoundary; }

  //   (boundary (rect pcb ...) (path signal ...) (polygon ...) (rule ...))
  // Every boundary statement of a design loads into the same object.
  bool LoadFromFile() override;
  bool ExportToPcb() override;

  // The bounding rectangle's bounds, else the box of the point 0, 0 and every other shape.
  TSpecctraExtent DesignExtent();

  TSpecctraRectShape* BoundingRect() const { return FBoundingRect.get(); }
  TSpecctraAbstractGeometryShape* BoardShape() const { return FBoardShape.get(); }
  const std::vector<std::unique_ptr<TSpecctraAbstractGeometryShape>>& OtherShapes() const {
    return FOtherShapes;
  }

private:
  bool LoadShape(std::unique_ptr<TSpecctraAbstractGeometryShape> shape);
  void ChooseBoundingRect();
  void ChooseBoardShape();
  // The last path or polygon on layer pcb, which gives the outline of boards that have
  // neither a board shape nor a bounding rectangle; nil when there is none.
  TSpecctraAbstractGeometryShape* PcbOutlineShape() const;
  bool SetBoardOutline(std::span<const TPcbPoint> outline);
  // Split planes over the whole outline for power layers with exactly one plane net.
  bool ExportPlaneFills(std::span<const TPcbPoint> outline);

  std::unique_ptr<TSpecctraRectShape> FBoundingRect;
  std::unique_ptr<TSpecctraAbstractGeometryShape> FBoardShape;
  std::vector<std::unique_ptr<TSpecctraAbstractGeometryShape>> FOtherShapes;
};
