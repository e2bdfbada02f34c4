#include "model/geometry/SpecctraAbstractGeometryShape.h"

#include <cmath>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "common/AsciiText.h"
#include "common/NumberFormat.h"
#include "model/base/SpecctraText.h"
#include "model/geometry/ShapeHostLookups.h"
#include "model/geometry/ShapeHostPrimitives.h"
#include "model/geometry/ShapeParameters.h"
#include "rtl/HostClient.h"
#include "rtl/HostUnits.h"
#include "rtl/Parameters.h"
#include "rtl/PcbPrimitives.h"
#include "specctra_io/SpecctraParser.h"

TSpecctraAbstractGeometryShape::TSpecctraAbstractGeometryShape(TSpecctraObject* owner,
                                                               TSpecctraShapeKind kind)
    : TSpecctraObject(owner), FKind(kind) {}

std::string TSpecctraAbstractGeometryShape::DisplayName() const { return ShapeKindName(FKind); }

TVertex& TSpecctraAbstractGeometryShape::AddVertex() { return FVertices.emplace_back(); }

TVertex* TSpecctraAbstractGeometryShape::Vertex(int32_t index) {
  return index >= 0 && index < VertexCount() ? &FVertices[static_cast<std::size_t>(index)]
                                             : nullptr;
}

const TSpecctraExtent& TSpecctraAbstractGeometryShape::GetBounds() {
  if (!FMeasures) FMeasures = std::make_unique<TMeasures>();
  TSpecctraExtent& bounds = FMeasures->Bounds;
  if (bounds.MinX == bounds.MaxX && bounds.MinY == bounds.MaxY && bounds.MinX == bounds.MinY)
    bounds = GetExtent();
  return bounds;
}

double TSpecctraAbstractGeometryShape::GetArea() {
  if (FMeasures && FMeasures->Area > 0) return FMeasures->Area;
  const TSpecctraExtent& bounds = GetBounds();
  FMeasures->Area = std::fabs((bounds.MaxX - bounds.MinX) * (bounds.MaxY - bounds.MinY));
  return FMeasures->Area;
}

std::optional<TShapeOwnerKind> TSpecctraAbstractGeometryShape::OwnerKind() const {
  const auto* owner = dynamic_cast<const TShapeOwner*>(Owner());
  if (!owner) return std::nullopt;
  return owner->ShapeOwnerKind();
}

TPcbExportMode TSpecctraAbstractGeometryShape::PcbExportMode() const {
  const std::optional<TShapeOwnerKind> owner = OwnerKind();
  if (owner == TShapeOwnerKind::eSplitPlane) return eSolid_Export;
  if (owner == TShapeOwnerKind::eWire && FKind == eFilledPoly_Shape) return eSolid_Export;
  return eOutline_Export;
}

// ---- Host layer, net and container ---------------------------------------------------------

PcbLayerNumber TSpecctraAbstractGeometryShape::HostLayer() {
  const std::optional<TShapeOwnerKind> owner = OwnerKind();
  if (owner == TShapeOwnerKind::eImage) return kTopOverlay;
  TSpecctraObject* layer = FindLayer(FLayerName);
  if (owner == TShapeOwnerKind::eKeepout) return layer ? StackHostLayer(*layer) : kKeepOutLayer;
  if (owner == TShapeOwnerKind::eBoundary) return kKeepOutLayer;
  if (layer) return StackHostLayer(*layer);
  if (SameTextIgnoringCase(FLayerName, "SIGNAL"))
    return owner == TShapeOwnerKind::eStructure ? kKeepOutLayer : kMultiLayer;
  if (SameTextIgnoringCase(FLayerName, "PCB")) return kKeepOutLayer;
  if (SameTextIgnoringCase(FLayerName, "POWER")) {
    ReportWarning(DisplayName() + " starting at " + FirstPointText() +
                  " moved from POWER layer to Multilayer");
    return kMultiLayer;
  }
  ReportUnknownLayer();
  return 0;
}

namespace {

// The objects a shape stands for, by its owner, as a report line names them.
std::string_view OwnerKindText(std::optional<TShapeOwnerKind> owner) {
  switch (owner.value_or(TShapeOwnerKind::eStructure)) {
    case TShapeOwnerKind::eKeepout: return "keepouts";
    case TShapeOwnerKind::eSplitPlane: return "planes";
    case TShapeOwnerKind::eConductor: return "conductors";
    case TShapeOwnerKind::eWire: return "wires";
    default: return "shapes";
  }
}

}  // namespace

// A layer of the stack left without a host layer (a jumper layer, a middle layer the host had
// no room for) creates nothing; that is said once per layer and kind of object.
PcbLayerNumber TSpecctraAbstractGeometryShape::StackHostLayer(TSpecctraObject& layer) {
  const PcbLayerNumber mapped = MappedHostLayer(layer);
  if (!mapped) ReportUnmappedUse(*this, layer, OwnerKindText(OwnerKind()));
  return mapped;
}

void TSpecctraAbstractGeometryShape::ReportUnknownLayer() const {
  ReportError(DisplayName() + " is on the unknown layer <" + FLayerName + ">.");
}

PcbHandle TSpecctraAbstractGeometryShape::HostNet() {
  const std::optional<TShapeOwnerKind> owner = OwnerKind();
  if (owner != TShapeOwnerKind::eWire && owner != TShapeOwnerKind::eSplitPlane) return 0;
  const std::string netName = dynamic_cast<const TShapeOwner*>(Owner())->ShapeNetName();
  if (netName.empty()) {
    ReportWarning("Found orphan " + DisplayName() + " shape - without net assigned, starting at " +
                  "point " + FirstPointText());
    return 0;
  }
  try {
    TSpecctraObject* net = FindNet(netName);
    if (!net) {
      ReportWarning(DisplayName() + " shape, starting at point " + FirstPointText() +
                    " has invalid net reference: " + netName);
      return 0;
    }
    return HostNetOfNet(*net);
  } catch (const std::exception&) {
    const double x = FVertices.empty() ? 0 : FVertices.front().X;
    HostShowMessage(host::TMessageKind::Information, "Information",
                    netName + " " + FormatNumber(x));
    return 0;
  }
}

PcbHandle TSpecctraAbstractGeometryShape::HostContainer() const {
  const std::optional<TShapeOwnerKind> owner = OwnerKind();
  if (owner == TShapeOwnerKind::eImage) return Owner()->HostHandle();
  const bool ownerOfOwner = owner == TShapeOwnerKind::eKeepout ||
                            owner == TShapeOwnerKind::eConductor ||
                            owner == TShapeOwnerKind::eWire;
  if (ownerOfOwner && Owner()->Owner()) return Owner()->Owner()->HostHandle();
  return GetBoardHandle();
}

int32_t TSpecctraAbstractGeometryShape::HostApertureWidth() {
  return ToBoardLength(ApertureWidth());
}

std::string TSpecctraAbstractGeometryShape::FirstPointText() {
  const TVertex first = FVertices.empty() ? TVertex{} : FVertices.front();
  return "(" + FormatNumber(ToBoardX(first.X)) + ", " + FormatNumber(ToBoardY(first.Y)) + ")";
}

std::optional<THostPlacement> TSpecctraAbstractGeometryShape::HostPlacement() {
  const auto* owner = dynamic_cast<const TShapeOwner*>(Owner());
  THostPlacement placement;
  placement.Layer = HostLayer();
  if (placement.Layer == 0) return std::nullopt;
  placement.Net = HostNet();
  placement.Container = HostContainer();
  placement.Keepout = owner && owner->ShapeOwnerKind() == TShapeOwnerKind::eKeepout;
  placement.Routed = !(owner && owner->ShapeOwnerKind() == TShapeOwnerKind::eWire &&
                       !owner->ShapesRouted());
  return placement;
}

bool TSpecctraAbstractGeometryShape::AddHostTrack(double x1, double y1, double x2, double y2) {
  const std::optional<THostPlacement> placement = HostPlacement();
  return placement && AddHostTrack(*placement, x1, y1, x2, y2);
}

bool TSpecctraAbstractGeometryShape::AddHostTrack(const THostPlacement& placement, double x1,
                                                  double y1, double x2, double y2) {
  const int32_t hostX1 = ToBoardX(x1), hostY1 = ToBoardY(y1);
  const int32_t hostX2 = ToBoardX(x2), hostY2 = ToBoardY(y2);
  const int32_t width = HostApertureWidth();
  const bool added = AddHostPrimitive<TPcbTrack>(placement, [&](TPcbTrack& track) {
    track.SetX(hostX1);
    track.SetY(hostY1);
    track.SetX2(hostX2);
    track.SetY2(hostY2);
    track.SetWidth(width);
    track.SetRoutedState(placement.Routed ? 1 : 0);
  });
  if (!added)
    ReportError("Error adding track to board at position SP(" + FormatNumber(hostX1) + " " +
                FormatNumber(hostY1) + ") EP(" + FormatNumber(hostX2) + " " +
                FormatNumber(hostY2) + ") and layer: " + FLayerName + ".");
  return added;
}

std::vector<TPcbPoint> TSpecctraAbstractGeometryShape::HostPoints() {
  std::vector<TPcbPoint> points;
  points.reserve(FVertices.size());
  for (const TVertex& vertex : FVertices) points.push_back({ToBoardX(vertex.X), ToBoardY(vertex.Y)});
  return points;
}

bool TSpecctraAbstractGeometryShape::CheckOutlineFits(std::span<const TPcbPoint> points) const {
  if (FitsHostOutline(points)) return true;
  ReportError(DisplayName() + " on layer " + FLayerName + " has " +
              std::to_string(points.size()) +
              " vertices; a host outline holds at most 5000. The shape is not created.");
  return false;
}

// ---- Parsing -------------------------------------------------------------------------------

bool TSpecctraAbstractGeometryShape::ReadLayerName() {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (InputEnded()) return false;
  if (id == tkCloseParen || id == tkOpenParen) {
    parser.ReportUnexpected();
    if (id == tkOpenParen) SkipNestedAndRestOfBlock();
    return false;
  }
  FLayerName = parser.TokenText();
  return true;
}

bool TSpecctraAbstractGeometryShape::ReadNumber(double& value) {
  TSpecctraParser& parser = *Parser();
  value = parser.ReadFloat();
  if (InputEnded()) return false;
  if (parser.IsKeyword() && parser.TokenText() == ")") return false;
  if (parser.IsKeyword() && parser.TokenText() == "(") {
    SkipNestedAndRestOfBlock();
    return false;
  }
  if (parser.NumberError()) value = 0;
  return true;
}

bool TSpecctraAbstractGeometryShape::ExpectBlockEnd() {
  TSpecctraParser& parser = *Parser();
  const int32_t id = parser.NextToken();
  if (id == tkCloseParen) return true;
  if (InputEnded()) return false;
  parser.ReportUnexpected();
  if (id == tkOpenParen)
    SkipNestedAndRestOfBlock();
  else
    SkipRestOfBlock();
  return false;
}

bool TSpecctraAbstractGeometryShape::InputEnded() const {
  const TSpecctraParser* parser = Parser();
  return !parser || parser->Aborted() || (parser->EndOfInput() && parser->TokenText().empty());
}

void TSpecctraAbstractGeometryShape::SkipRestOfBlock() {
  if (Parser()) Parser()->SkipBlock();
}

void TSpecctraAbstractGeometryShape::SkipNestedAndRestOfBlock() {
  SkipRestOfBlock();
  SkipRestOfBlock();
}

// ---- Writing -------------------------------------------------------------------------------

std::string TSpecctraAbstractGeometryShape::FileX(double x) const {
  return FormatNumber(ToSpecctraX(RoundToHostUnits(x)));
}

std::string TSpecctraAbstractGeometryShape::FileY(double y) const {
  return FormatNumber(ToSpecctraY(RoundToHostUnits(y)));
}

std::string TSpecctraAbstractGeometryShape::FileLength(double length) const {
  return FormatNumber(ToSpecctraLength(RoundToHostUnits(length)));
}

// ---- Parameter texts -----------------------------------------------------------------------

void TSpecctraAbstractGeometryShape::StoreToParams(std::string_view prefix, std::string& params) {
  const std::string key(prefix);
  if (!SameTextIgnoringCase(FLayerName, "SIGNAL")) SetParameterValue(params, key + "L", FLayerName);
  StoreExtraParams(prefix, params);
  if (FVertices.empty()) {
    ReportError("Invalid shape " + DisplayName() + ", no vertexes defined.");
    return;
  }
  SetParameterValue(params, key + "VC", std::to_string(FVertices.size()));
  // A missing value loads as host 0, so a coordinate is left out when its converted value
  // is 0: with a board offset, a vertex at 0 must be stored.
  for (std::size_t i = 0; i < FVertices.size(); ++i) {
    const std::string index = std::to_string(i);
    const int32_t x = ToBoardX(FVertices[i].X), y = ToBoardY(FVertices[i].Y);
    if (x != 0) SetHexParameter(params, key + "X" + index, x);
    if (y != 0) SetHexParameter(params, key + "Y" + index, y);
  }
}

bool TSpecctraAbstractGeometryShape::LoadFromParams(std::string_view prefix,
                                                    const std::string& params) {
  if (!LoadLayerAndCount(prefix, params)) return false;
  // The stored vertices replace those a shape is created with.
  FVertices.clear();
  for (int32_t i = 0; i < FLoadedCount; ++i) ReadVertexParams(prefix, params, i, AddVertex());
  return true;
}

bool TSpecctraAbstractGeometryShape::LoadLayerAndCount(std::string_view prefix,
                                                       const std::string& params) {
  const std::string key(prefix);
  if (!GetParameterValue(params, key + "L", FLayerName)) FLayerName = "SIGNAL";
  if (!IsGenericLayerName(FLayerName) && !FindLayer(FLayerName))
    ReportError(StoredLayerError(FLayerName));
  LoadExtraParams(prefix, params);
  // Every vertex beyond the text's length would have to be (0, 0): such counts are refused.
  const std::optional<int32_t> count =
      CountParameter(params, key + "VC", static_cast<int32_t>(std::min<std::size_t>(
                                             params.size(), INT32_MAX)));
  FLoadedCount = count.value_or(0);
  if (FLoadedCount == 0) {
    ReportError("Cannot load number of vertexes for shape: " + DisplayName());
    return false;
  }
  return true;
}

std::string TSpecctraAbstractGeometryShape::StoredLayerError(const std::string& name) const {
  return "Stored padstacks contain original layer names. Can't find layer: <" + name +
         ">. If you change layer names, host PCB sytem might report errors.";
}

void TSpecctraAbstractGeometryShape::ReadVertexParams(std::string_view prefix,
                                                      const std::string& params, int32_t index,
                                                      TVertex& vertex) {
  const std::string key(prefix), number = std::to_string(index);
  vertex.X = HexParameter(params, key + "X" + number).value_or(0);
  vertex.Y = HexParameter(params, key + "Y" + number).value_or(0);
}
