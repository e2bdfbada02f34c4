#include "model/geometry/SpecctraRectShape.h"

#include <algorithm>

#include "model/base/SpecctraText.h"
#include "rtl/PcbPrimitives.h"
#include "specctra_io/SpecctraWriter.h"

TSpecctraRectShape::TSpecctraRectShape(TSpecctraObject* owner)
    : TSpecctraAbstractGeometryShape(owner, eRect_Shape) {
  FVertices.resize(2);
}

bool TSpecctraRectShape::LoadFromFile() {
  if (!ReadLayerName()) return false;
  for (TVertex& corner : FVertices)
    if (!ReadNumber(corner.X) || !ReadNumber(corner.Y)) return false;
  Normalize();
  return ExpectBlockEnd();
}

void TSpecctraRectShape::Normalize() {
  TVertex& low = FVertices[0];
  TVertex& high = FVertices[1];
  if (low.X > high.X) std::swap(low.X, high.X);
  if (low.Y > high.Y) std::swap(low.Y, high.Y);
}

TSpecctraExtent TSpecctraRectShape::GetExtent() const {
  return {FVertices[0].X, FVertices[0].Y, FVertices[1].X, FVertices[1].Y};
}

bool TSpecctraRectShape::ExportToPcb() {
  if (PcbExportMode() == eOutline_Export) return ExportOutlineAsTracks();
  const int32_t x1 = ToBoardX(FVertices[0].X), y1 = ToBoardY(FVertices[0].Y);
  const int32_t x2 = ToBoardX(FVertices[1].X), y2 = ToBoardY(FVertices[1].Y);
  const std::optional<THostPlacement> placement = HostPlacement();
  if (!placement) return false;
  const bool added = AddHostPrimitive<TPcbFill>(*placement, [&](TPcbFill& fill) {
    fill.SetX(x1);
    fill.SetY(y1);
    fill.SetX2(x2);
    fill.SetY2(y2);
  });
  if (!added) ReportError("Failed exporting rectangle as fill object //QZ");
  return added;
}

bool TSpecctraRectShape::ExportOutlineAsTracks() {
  const std::optional<THostPlacement> found = HostPlacement();
  if (!found) return false;
  const THostPlacement& placement = *found;
  const double x0 = FVertices[0].X, y0 = FVertices[0].Y;
  const double x1 = FVertices[1].X, y1 = FVertices[1].Y;
  // Bottom, right, top, left; every side is tried.
  bool added = AddHostTrack(placement, x0, y0, x1, y0);
  added = AddHostTrack(placement, x1, y0, x1, y1) && added;
  added = AddHostTrack(placement, x1, y1, x0, y1) && added;
  added = AddHostTrack(placement, x0, y1, x0, y0) && added;
  if (!added) ReportError("Failed exporting rectangle as track outline //QZ");
  return added;
}

bool TSpecctraRectShape::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("", true);
  writer.WriteLine("(rect " + QuoteName(FLayerName) + " " + FileX(FVertices[0].X) + " " +
                       FileY(FVertices[0].Y) + " " + FileX(FVertices[1].X) + " " +
                       FileY(FVertices[1].Y) + ")",
                   false);
  return true;
}

bool TSpecctraRectShape::LoadFromParams(std::string_view prefix, const std::string& params) {
  if (!LoadLayerAndCount(prefix, params)) return false;
  if (FLoadedCount >= 3) {
    ReportError("Rectangle may contain only two opposite corner vertices.");
    return false;
  }
  ReadVertexParams(prefix, params, 0, FVertices[0]);
  ReadVertexParams(prefix, params, 1, FVertices[1]);
  const double secondY = FVertices[1].Y;
  Normalize();
  return secondY > 0;
}

std::vector<TPcbPoint> TSpecctraRectShape::HostOutline() {
  const int32_t x0 = ToBoardX(FVertices[0].X), y0 = ToBoardY(FVertices[0].Y);
  const int32_t x1 = ToBoardX(FVertices[1].X), y1 = ToBoardY(FVertices[1].Y);
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}};
}
