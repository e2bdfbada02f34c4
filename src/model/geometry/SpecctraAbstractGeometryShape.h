// The base of the five Specctra shapes: vertices, layer name, cached bounds, the host layer,
// net and container a shape's primitives go to, and the shape's parameter-text form.
//
// Numbers are file units for shapes parsed from a file and host units for shapes built from
// the board; the conversions happen when primitives are made or text is written.
#pragma once

#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host/PcbApi.h"
#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"
#include "model/geometry/ShapeHostPrimitives.h"
#include "model/geometry/ShapeOwner.h"
#include "model/geometry/SpecctraShapeKind.h"

class TSpecctraAbstractGeometryShape : public TSpecctraObject {
public:
  TSpecctraAbstractGeometryShape(TSpecctraObject* owner, TSpecctraShapeKind kind);
  std::string_view ClassName() const override { return "TSpecctraAbstractGeometryShape"; }

  // Minimum X, minimum Y, maximum X, maximum Y of the shape; all 0 for a shape without one.
  virtual TSpecctraExtent GetExtent() const = 0;
  virtual void StoreExtraParams(std::string_view, std::string&) {}
  virtual void LoadExtraParams(std::string_view, const std::string&) {}
  virtual TPcbExportMode PcbExportMode() const;
  // Saves the shape into a parameter text under keys that begin with the prefix.
  virtual void StoreToParams(std::string_view prefix, std::string& params);
  virtual bool LoadFromParams(std::string_view prefix, const std::string& params);
  virtual void Normalize() {}
  virtual bool ExportOutlineAsTracks() { return true; }

  TVertex& AddVertex();
  int32_t VertexCount() const { return static_cast<int32_t>(FVertices.size()); }
  // The vertex, or nil outside 0 .. VertexCount() - 1.
  TVertex* Vertex(int32_t index);
  const std::vector<TVertex>& Vertices() const { return FVertices; }

  // The points of the shape's outline on the board, in host coordinates.
  virtual std::vector<TPcbPoint> HostOutline() { return HostPoints(); }
  // Whether the points fit a host outline record; reports the shape when they do not.
  bool CheckOutlineFits(std::span<const TPcbPoint> points) const;

  // Cached from GetExtent while the box is still a single point.
  const TSpecctraExtent& GetBounds();
  double GetArea();

  TSpecctraShapeKind Kind() const { return FKind; }
  std::string DisplayName() const;
  const std::string& LayerName() const { return FLayerName; }
  void SetLayerName(std::string name) { FLayerName = std::move(name); }

  // The host layer number of the shape's primitives; 0 after the error for an unknown layer.
  PcbLayerNumber HostLayer();
  // The host net of shapes owned by wires and split planes; 0 for all others.
  PcbHandle HostNet();
  // The board, or the component that receives the primitives of image shapes.
  PcbHandle HostContainer() const;
  // The length-converted aperture width; 0 for shapes without one.
  int32_t HostApertureWidth();
  // One host track between two points in the shape's units; answers success.
  bool AddHostTrack(double x1, double y1, double x2, double y2);

private:
  // Declared before the other fields: with the loaded count it fills the base object's last
  // word.
  TSpecctraShapeKind FKind;

protected:
  // The owner's role for its shapes; nothing for a plain owner.
  std::optional<TShapeOwnerKind> OwnerKind() const;
  bool OwnerIs(TShapeOwnerKind kind) const { return OwnerKind() == kind; }
  // The aperture width in the shape's units; 0 for rectangles and circles.
  virtual double ApertureWidth() const { return 0; }

  // Layer, net, container and flags of the shape's primitives, worked out once per export;
  // nothing for a shape on an unknown layer (reported), which makes no primitives.
  std::optional<THostPlacement> HostPlacement();
  bool AddHostTrack(const THostPlacement& placement, double x1, double y1, double x2, double y2);
  // The vertices in host coordinates.
  std::vector<TPcbPoint> HostPoints();

  // Loading from a parameter text: layer, extra values and the vertex count (kept in
  // FLoadedCount); false after the error for a missing count.
  bool LoadLayerAndCount(std::string_view prefix, const std::string& params);
  virtual std::string StoredLayerError(const std::string& name) const;
  void ReadVertexParams(std::string_view prefix, const std::string& params, int32_t index,
                        TVertex& vertex);
  int32_t FLoadedCount = 0;

  // Parse helpers. Each answers false when the shape's block ended early (its closing
  // parenthesis is then consumed) or the input ran out.
  bool ReadLayerName();
  bool ReadNumber(double& value);
  // Reads the closing parenthesis of the shape; anything else is reported as unexpected
  // and the rest of the block skipped.
  bool ExpectBlockEnd();
  // The lexer has nothing more to give (the last token read was the empty one) or was
  // aborted; a token read just before the end still counts.
  bool InputEnded() const;
  // Skips the rest of the shape's block after its tokens went wrong; the second form first
  // leaves a nested block that was just opened.
  void SkipRestOfBlock();
  void SkipNestedAndRestOfBlock();

  // Numbers of written text: coordinates and lengths converted to file units.
  std::string FileX(double x) const;
  std::string FileY(double y) const;
  std::string FileLength(double length) const;

  // Host coordinates of vertex 0 (0, 0 for a shape without vertices), for messages.
  std::string FirstPointText();
  // The error for a layer name that neither the stack nor the generic names know.
  void ReportUnknownLayer() const;
  // The host layer of a layer of the stack; reports a layer without one.
  PcbLayerNumber StackHostLayer(TSpecctraObject& layer);

  std::vector<TVertex> FVertices;
  std::string FLayerName;

private:
  // Bounds and area, cached by their first reader; held apart, as most shapes (those of
  // wires) are never measured.
  struct TMeasures {
    TSpecctraExtent Bounds;
    double Area = 0;
  };

  std::unique_ptr<TMeasures> FMeasures;
};
