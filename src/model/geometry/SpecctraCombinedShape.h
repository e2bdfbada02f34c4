// A container of shapes and window shapes (holes), with one of its shapes as the primary
// shape. Pads, keepouts, conductors, wires and split planes are combined shapes.
#pragma once

#include <memory>

#include "model/base/SpecctraList.h"
#include "model/geometry/SpecctraAbstractGeometryShape.h"

class TSpecctraCombinedShape : public TSpecctraObject {
public:
  explicit TSpecctraCombinedShape(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraCombinedShape"; }

  void AddShape(std::unique_ptr<TSpecctraAbstractGeometryShape> shape);
  void AddWindow(std::unique_ptr<TSpecctraAbstractGeometryShape> shape);
  // The first shape, chosen again after each addition; nil without shapes.
  TSpecctraAbstractGeometryShape* PrimaryShape();
  TSpecctraList& Shapes() { return FShapes; }
  // Nil until the first window.
  TSpecctraList* Windows() { return FWindows.get(); }

  virtual void SelectPrimaryShape();
  // Frees every shape and window: for a shape whose primitives are on the board and that
  // nothing reads again. It has no primary shape after.
  void ReleaseShapes();
  // With the current token a shape keyword: the shape loads its block and is added. Lowers
  // this object's depth for the shape's block in every case; answers success.
  virtual bool ParseShape();
  // After the keyword window: (shape ...) added as a window.
  virtual bool ParseWindow();

  // Every shape, then each window as (window shape).
  bool ExportToFile() override;

protected:
  // The shape of a shape keyword, or nil for any other token.
  std::unique_ptr<TSpecctraAbstractGeometryShape> CreateShapeFor(int32_t id);

private:
  // Loads a shape of the current keyword; nil when it failed or the keyword is no shape.
  std::unique_ptr<TSpecctraAbstractGeometryShape> LoadShape();

  bool FPrimaryStale = true;  // first: it fits in the base object's last word
  TSpecctraAbstractGeometryShape* FPrimary = nullptr;
  TSpecctraList FShapes;
  std::unique_ptr<TSpecctraList> FWindows;
};
