#include "model/geometry/SpecctraPolyLineShape.h"

#include <algorithm>

#include "model/base/SpecctraText.h"
#include "model/geometry/ShapeParameters.h"
#include "rtl/TranslationState.h"
#include "specctra_io/SpecctraParser.h"
#include "specctra_io/SpecctraWriter.h"

namespace {

// The vertices of the shape being read: the list keeps its capacity from shape to shape, so
// that each shape's own vertices take one allocation of their exact size.
std::vector<TVertex>& VerticesBeingRead() {
  thread_local std::vector<TVertex> vertices;
  vertices.clear();
  return vertices;
}

}  // namespace

bool TSpecctraPolyLineShape::LoadFromFile() {
  if (!ReadLayerName() || !ReadNumber(FWidth)) return false;
  std::vector<TVertex>& read = VerticesBeingRead();
  const bool result = ReadVertices(read);
  FVertices.insert(FVertices.end(), read.begin(), read.end());
  return result;
}

bool TSpecctraPolyLineShape::ReadVertices(std::vector<TVertex>& vertices) {
  TSpecctraParser& parser = *Parser();
  while (true) {
    const int32_t id = parser.NextToken();
    if (id == tkCloseParen) return true;
    if (id == tkOpenParen) return LoadOptions();
    if (InputEnded()) return false;
    TVertex vertex;
    if (!parser.CurrentAsFloat(vertex.X)) vertex.X = 0;
    if (!ReadNumber(vertex.Y)) return false;
    vertices.push_back(vertex);
  }
}

//   (aperture_type round|square) (ViaPop x) (WirePlow x) (anything else ...)
bool TSpecctraPolyLineShape::LoadOptions() {
  TSpecctraParser& parser = *Parser();
  bool result = true;
  int32_t nesting = 2;  // the option's block inside the shape's own
  // A token read as a value may be a parenthesis, which still counts.
  auto count = [&](int32_t id) {
    if (id == tkOpenParen) ++nesting;
    if (id == tkCloseParen) --nesting;
  };
  while (nesting > 0) {
    const int32_t id = parser.NextToken();
    if (InputEnded()) return false;
    if (id == KeywordId("aperture_type")) {
      const int32_t value = parser.NextToken();
      if (value == KeywordId("round")) {
        FSquareAperture = false;
      } else if (value == KeywordId("square")) {
        FSquareAperture = true;
      } else {
        parser.ReportUnexpected();
        result = false;
        count(value);
      }
    } else if (id == KeywordId("ViaPop") || id == KeywordId("WirePlow")) {
      count(parser.NextToken());
    } else {
      count(id);
    }
  }
  return result && nesting == 0;
}

void TSpecctraPolyLineShape::Normalize() {
  if (FVertices.empty()) return;
  const TVertex first = FVertices.front();
  const TVertex& last = FVertices.back();
  if (last.X != first.X || last.Y != first.Y) FVertices.push_back(first);
}

TSpecctraExtent TSpecctraPolyLineShape::GetExtent() const {
  if (FVertices.empty()) return {};
  TSpecctraExtent extent{FVertices[0].X, FVertices[0].Y, FVertices[0].X, FVertices[0].Y};
  for (const TVertex& vertex : FVertices) {
    extent.MinX = std::min(extent.MinX, vertex.X);
    extent.MinY = std::min(extent.MinY, vertex.Y);
    extent.MaxX = std::max(extent.MaxX, vertex.X);
    extent.MaxY = std::max(extent.MaxY, vertex.Y);
  }
  const double half = FWidth / 2;
  return {extent.MinX - half, extent.MinY - half, extent.MaxX + half, extent.MaxY + half};
}

TPcbExportMode TSpecctraPolyLineShape::PcbExportMode() const {
  if (OwnerIs(TShapeOwnerKind::eKeepout))
    return Kind() == eFilledPoly_Shape ? eRegion_Export : eOutline_Export;
  return TSpecctraAbstractGeometryShape::PcbExportMode();
}

bool TSpecctraPolyLineShape::ExportToPcb() {
  if (FVertices.empty()) return true;
  switch (PcbExportMode()) {
    case eRegion_Export: return ExportAsRegion();
    case eSolid_Export: return ExportAsPolygon();
    default: return ExportOutlineAsTracks();
  }
}

bool TSpecctraPolyLineShape::ExportOutlineAsTracks() {
  if (FVertices.size() < 2) return true;
  const std::optional<THostPlacement> placement = HostPlacement();
  if (!placement) return false;
  bool added = true;
  for (std::size_t i = 1; i < FVertices.size(); ++i) {
    const TVertex& from = FVertices[i - 1];
    const TVertex& to = FVertices[i];
    added = AddHostTrack(*placement, from.X, from.Y, to.X, to.Y) && added;
  }
  if (!added) ReportError("Failed creating polygon outline as tracks //QZ");
  return added;
}

bool TSpecctraPolyLineShape::ExportAsRegion() {
  const std::vector<TPcbPoint> outline = HostPoints();
  if (!CheckOutlineFits(outline)) return false;
  std::optional<THostPlacement> placement = HostPlacement();
  if (!placement) return false;
  // Regions of image keepouts go to the image's component once it has one.
  const TSpecctraObject* keepoutOwner = Owner()->Owner();
  const auto* image = dynamic_cast<const TShapeOwner*>(keepoutOwner);
  const bool inComponent = image && image->ShapeOwnerKind() == TShapeOwnerKind::eImage &&
                           keepoutOwner->HostHandle() > 0;
  placement->Container = inComponent ? keepoutOwner->HostHandle() : GetBoardHandle();
  std::string error;
  if (AddHostRegion(*placement, outline, error)) return true;
  ReportError("Failed creating keepout region on layer " + FLayerName + ": " + error + ".");
  return false;
}

bool TSpecctraPolyLineShape::ExportAsPolygon() {
  const std::vector<TPcbPoint> outline = HostPoints();
  if (!CheckOutlineFits(outline)) return false;
  std::optional<THostPlacement> placement = HostPlacement();
  if (!placement) return false;
  placement->Container = GetBoardHandle();
  const PcbHandle polygon = AddHostPolygon(*placement, HostApertureWidth(), outline);
  if (!polygon) {
    ReportError("Failed creating polygon //QZ");
    return false;
  }
  TranslationState().CreatedPolygons.push_back(polygon);
  return true;
}

bool TSpecctraPolyLineShape::ExportToFile() {
  TSpecctraWriter& writer = *Writer();
  writer.WriteLine("(path " + QuoteName(FLayerName) + " " + FileLength(FWidth), false);
  for (const TVertex& vertex : FVertices)
    writer.WriteLine(FileX(vertex.X) + " " + FileY(vertex.Y) + " ", true);
  if (FSquareAperture) writer.WriteLine("(aperture_type square)", true);
  writer.WriteLine(")", true);
  return true;
}

void TSpecctraPolyLineShape::StoreExtraParams(std::string_view prefix, std::string& params) {
  SetHexParameter(params, std::string(prefix) + (FSquareAperture ? "AS" : "AR"),
                  ToBoardLength(FWidth));
}

void TSpecctraPolyLineShape::LoadExtraParams(std::string_view prefix,
                                             const std::string& params) {
  const std::string key(prefix);
  if (const auto square = HexParameter(params, key + "AS")) {
    FSquareAperture = true;
    FWidth = *square;
  } else if (const auto round = HexParameter(params, key + "AR")) {
    FWidth = *round;
  }
}
