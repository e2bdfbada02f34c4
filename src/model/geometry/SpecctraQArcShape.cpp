#include "model/geometry/SpecctraQArcShape.h"

#include <cmath>

#include "model/base/SpecctraText.h"
#include "model/geometry/ShapeParameters.h"
#include "rtl/PcbPrimitives.h"
#include "specctra_io/SpecctraWriter.h"

namespace {
constexpr double kDegreesPerRadian = 57.29577951308232;
}

TSpecctraQArcShape::TSpecctraQArcShape(TSpecctraObject* owner)
    : TSpecctraAbstractGeometryShape(owner, eQArc_Shape) {
  FVertices.resize(3);
}

bool TSpecctraQArcShape::LoadFromFile() {
  if (!ReadLayerName() || !ReadNumber(FWidth)) return false;
  for (TVertex& vertex : FVertices)
    if (!ReadNumber(vertex.X) || !ReadNumber(vertex.Y)) return false;
  return ExpectBlockEnd();
}

double TSpecctraQArcShape::AngleAbout(double x, double y, double cx, double cy) {
  const double dx = x - cx, dy = y - cy;
  if (dx == 0) return dy > 0 ? 90 : 270;
  const double angle = std::atan2(dy, dx) * kDegreesPerRadian;
  return angle < 0 ? angle + 360 : angle;
}

std::pair<double, double> TSpecctraQArcShape::CounterClockwiseAngles(const TVertex& start,
                                                                     const TVertex& end,
                                                                     const TVertex& centre) {
  const double from = AngleAbout(start.X, start.Y, centre.X, centre.Y);
  const double to = AngleAbout(end.X, end.Y, centre.X, centre.Y);
  // The host sweeps counter-clockwise from start to end; a quarter arc drawn clockwise would
  // sweep the other three quarters, so it is drawn from its end instead.
  const double sweep = std::fmod(to - from + 360, 360);
  if (sweep > 180) return {to, from};
  return {from, to};
}

bool TSpecctraQArcShape::ExportToPcb() {
  const TVertex& start = FVertices[0];
  const TVertex& end = FVertices[1];
  const TVertex& centre = FVertices[2];
  const int32_t x = ToBoardX(centre.X), y = ToBoardY(centre.Y);
  const int32_t radius = ToBoardLength(std::hypot(start.X - centre.X, start.Y - centre.Y));
  const int32_t width = HostApertureWidth();
  const std::optional<THostPlacement> placement = HostPlacement();
  if (!placement) return false;
  const bool added = AddHostPrimitive<TPcbArc>(*placement, [&](TPcbArc& arc) {
    arc.SetX(x);
    arc.SetY(y);
    arc.SetRadius(radius);
    arc.SetWidth(width);
    const auto [from, to] = CounterClockwiseAngles(start, end, centre);
    arc.SetStartAngle(from);
    arc.SetEndAngle(to);
  });
  if (!added) ReportError("Failed to create arc at position //QZ give position");
  return added;
}

bool TSpecctraQArcShape::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(qarc " + QuoteName(FLayerName) + " " + FileLength(FWidth) + " ", true);
  writer.IndentIn(1);
  std::string points;
  for (const TVertex& vertex : FVertices) points += FileX(vertex.X) + " " + FileY(vertex.Y) + " ";
  writer.WriteLine(points, true);
  writer.IndentOut(1);
  writer.WriteLine(")", true);
  return true;
}

void TSpecctraQArcShape::StoreExtraParams(std::string_view prefix, std::string& params) {
  SetHexParameter(params, std::string(prefix) + "A", ToBoardLength(FWidth));
}

void TSpecctraQArcShape::LoadExtraParams(std::string_view prefix, const std::string& params) {
  if (const auto width = HexParameter(params, std::string(prefix) + "A")) FWidth = *width;
}

bool TSpecctraQArcShape::LoadFromParams(std::string_view prefix, const std::string& params) {
  const bool loaded = TSpecctraAbstractGeometryShape::LoadFromParams(prefix, params);
  if (FVertices.size() < 3) FVertices.resize(3);
  return loaded;
}
