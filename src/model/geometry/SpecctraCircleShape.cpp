#include "model/geometry/SpecctraCircleShape.h"

#include "model/base/SpecctraText.h"
#include "model/geometry/ShapeParameters.h"
#include "rtl/PcbPrimitives.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {
constexpr std::string_view kMultipleCentres =
    "Multiple point definitions in circle. #10#13 Circle may contain only single vertex "
    "defining center of the circle.";
}

TSpecctraCircleShape::TSpecctraCircleShape(TSpecctraObject* owner)
    : TSpecctraAbstractGeometryShape(owner, eCircle_Shape) {
  FVertices.resize(1);
}

bool TSpecctraCircleShape::LoadFromFile() {
  if (!ReadLayerName() || !ReadNumber(FDiameter)) return false;
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == tkCloseParen) return true;
  if (InputEnded()) return false;
  if (id == tkOpenParen) {
    parser.ReportUnexpected();
    SkipNestedAndRestOfBlock();
    return false;
  }
  TVertex& centre = FVertices[0];
  if (!parser.CurrentAsFloat(centre.X)) centre.X = 0;
  if (!ReadNumber(centre.Y)) return false;
  return ExpectBlockEnd();
}

TSpecctraExtent TSpecctraCircleShape::GetExtent() const {
  const TVertex& centre = FVertices[0];
  const double radius = FDiameter / 2;
  return {centre.X - radius, centre.Y - radius, centre.X + radius, centre.Y + radius};
}

bool TSpecctraCircleShape::ExportToPcb() {
  const int32_t x = ToBoardX(FVertices[0].X), y = ToBoardY(FVertices[0].Y);
  const int32_t radius = ToBoardLength(FDiameter / 2);
  const std::optional<THostPlacement> placement = HostPlacement();
  if (!placement) return false;
  const bool added = AddHostPrimitive<TPcbArc>(*placement, [&](TPcbArc& arc) {
    arc.SetX(x);
    arc.SetY(y);
    arc.SetRadius(radius);
    arc.SetWidth(0);
    arc.SetStartAngle(0.0);
    arc.SetEndAngle(360.0);
  });
  if (!added) ReportError("Failed to create arc at position //QZ give position");
  return added;
}

bool TSpecctraCircleShape::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("", true);
  writer.IndentIn(1);
  writer.WriteLine("(circle " + QuoteName(FLayerName) + " " + FileLength(FDiameter) + " " +
                       FileX(FVertices[0].X) + " " + FileY(FVertices[0].Y) + ")",
                   true);
  writer.IndentOut(1);
  return true;
}

void TSpecctraCircleShape::StoreToParams(std::string_view prefix, std::string& params) {
  if (VertexCount() >= 2) {
    ReportError("Error: " + std::string(kMultipleCentres));
    return;
  }
  TSpecctraAbstractGeometryShape::StoreToParams(prefix, params);
  SetHexParameter(params, std::string(prefix) + "D", ToBoardLength(FDiameter));
}

bool TSpecctraCircleShape::LoadFromParams(std::string_view prefix, const std::string& params) {
  if (!LoadLayerAndCount(prefix, params)) return false;
  if (FLoadedCount >= 2) {
    ReportError(kMultipleCentres);
    return false;
  }
  ReadVertexParams(prefix, params, 0, FVertices[0]);
  FDiameter = HexParameter(params, std::string(prefix) + "D").value_or(0);
  return FDiameter > 0;
}

std::string TSpecctraCircleShape::StoredLayerError(const std::string& name) const {
  return "Stored padstacks contain original layer names. Can't find layer: <" + name +
         ">.\r\nIf you change layer names, host PCB sytem might report errors.";
}
