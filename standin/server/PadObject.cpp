#include "server/PadObject.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "server/DocumentFields.h"
#include "server/LayerNumbers.h"
#include "server/Primitives.h"

namespace standin {
namespace {

// A per-layer entry of a board document.
struct TLayerEntry {
  PcbLayerNumber Layer = 0;
  TPadLayerValues Values;
};

constexpr std::array<std::pair<PcbLayerNumber, PcbLayerNumber>, 4> kSidePairs = {{
    {kTopLayer, kBottomLayer},
    {kTopOverlay, kBottomOverlay},
    {kTopPaste, kBottomPaste},
    {kTopSolder, kBottomSolder},
}};

template <class V, class R>
void PadFields(V& v, R& r, uint8_t& stackMode, uint8_t& top, uint8_t& middle, uint8_t& bottom,
               std::vector<TLayerEntry>& perLayer) {
  v("x", r.x);
  v("y", r.y);
  v("name", r.name);
  v("rotation", r.rotation);
  v("holeSize", r.holeSize);
  v("stackMode", stackMode);
  v.Group("top", [&](auto& g) {
    g("shape", r.topShape);
    g("x", r.topXSize);
    g("y", r.topYSize);
  });
  v.Group("middle", [&](auto& g) {
    g("shape", r.middleShape);
    g("x", r.middleXSize);
    g("y", r.middleYSize);
  });
  v.Group("bottom", [&](auto& g) {
    g("shape", r.bottomShape);
    g("x", r.bottomXSize);
    g("y", r.bottomYSize);
  });
  v.List("perLayer", perLayer, [](auto& g, auto& entry) {
    g("layer", AsLayer(entry.Layer));
    g("shape", entry.Values.Shape);
    g("x", entry.Values.XSize);
    g("y", entry.Values.YSize);
    g("cornerRadiusPercent", entry.Values.CornerRadiusPercent);
  });
  v("topCornerRadiusPercent", top);
  v("middleCornerRadiusPercent", middle);
  v("bottomCornerRadiusPercent", bottom);
  v("pinRole", r.pinRole);
  v("option", r.option);
  v("reserved1", r.reserved1);
  v("reserved2", r.reserved2);
  v("reserved3", r.reserved3);
  v("reserved4", r.reserved4);
  v("flagByte1", r.flagByte1);
  v("flagByte2", r.flagByte2);
}

}  // namespace

bool TPadObject::Accepts(const PcbPadRecord& record) const {
  return std::isfinite(record.rotation);
}

namespace {

// The values a pad keeps of its record, from the record to the pad or back.
template <class From, class To>
void CopyPadValues(const From& from, To& to) {
  to.rotation = from.rotation;
  to.x = from.x;
  to.y = from.y;
  to.topXSize = from.topXSize;
  to.topYSize = from.topYSize;
  to.middleXSize = from.middleXSize;
  to.middleYSize = from.middleYSize;
  to.bottomXSize = from.bottomXSize;
  to.bottomYSize = from.bottomYSize;
  to.holeSize = from.holeSize;
  to.reserved1 = from.reserved1;
  to.reserved2 = from.reserved2;
  to.reserved3 = from.reserved3;
  to.reserved4 = from.reserved4;
  to.topShape = from.topShape;
  to.middleShape = from.middleShape;
  to.bottomShape = from.bottomShape;
  to.pinRole = from.pinRole;
  to.option = from.option;
  to.flagByte1 = from.flagByte1;
  to.flagByte2 = from.flagByte2;
  to.name = from.name;
}

}  // namespace

void TPadObject::Give(PcbPadRecord& record) const { CopyPadValues(FValues, record); }

void TPadObject::Take(const PcbPadRecord& record) {
  CopyPadValues(record, FValues);
  FValues.name.length = std::min<uint8_t>(FValues.name.length, sizeof(FValues.name.text));
}

PcbPadRecord TPadObject::Record() const {
  PcbPadRecord record = RecordWithCommonFields<PcbPadRecord>();
  Give(record);
  return record;
}

TPadObject::TPartRefs TPadObject::PartRefs(TPart part) {
  switch (part) {
    case TPart::Middle:
      return {FValues.middleShape, FValues.middleXSize, FValues.middleYSize, FMiddlePercent};
    case TPart::Bottom:
      return {FValues.bottomShape, FValues.bottomXSize, FValues.bottomYSize, FBottomPercent};
    default: return {FValues.topShape, FValues.topXSize, FValues.topYSize, FTopPercent};
  }
}

TPadLayerValues& TPadObject::TableEntry(PcbLayerNumber layer) {
  if (!FTable) FTable = std::make_unique<TLayerTable>();
  return (*FTable)[layer];
}

int32_t TPadObject::RoundedCornerRadius(const TPadLayerValues& values) {
  const double smaller = std::min(std::abs(static_cast<double>(values.XSize)),
                                  std::abs(static_cast<double>(values.YSize)));
  return ToCoord(smaller / 2 * values.CornerRadiusPercent / 100);
}

void TPadObject::SetShapeOnLayer(PcbLayerNumber layer, uint8_t shape) {
  const TPart part = FStackMode == kPadStackFull ? TPart::None : SetPart(layer);
  if (part == TPart::None)
    TableEntry(layer).Shape = shape;
  else
    PartRefs(part).Shape = shape;
}

void TPadObject::SetSizeOnLayer(PcbLayerNumber layer, int32_t xSize, int32_t ySize) {
  const TPart part = FStackMode == kPadStackFull ? TPart::None : SetPart(layer);
  if (part == TPart::None) {
    TPadLayerValues& entry = TableEntry(layer);
    entry.XSize = xSize;
    entry.YSize = ySize;
  } else {
    TPartRefs refs = PartRefs(part);
    refs.XSize = xSize;
    refs.YSize = ySize;
  }
}

void TPadObject::SetCornerRadiusPercentOnLayer(PcbLayerNumber layer, uint8_t percent) {
  const TPart part = FStackMode == kPadStackFull ? TPart::None : SetPart(layer);
  if (part == TPart::None)
    TableEntry(layer).CornerRadiusPercent = percent;
  else
    PartRefs(part).CornerRadiusPercent = percent;
}

TGeometry TPadObject::BoardGeometry() const {
  TGeometry geometry;
  geometry.PointCount = 1;
  geometry.Points[0] = {static_cast<double>(FValues.x), static_cast<double>(FValues.y)};
  geometry.AngleKind = TGeometry::TAngles::Direction;
  geometry.Angles[0] = FValues.rotation;
  return geometry;
}

void TPadObject::SetBoardGeometry(const TGeometry& geometry) {
  FValues.x = ToCoord(geometry.Points[0].X);
  FValues.y = ToCoord(geometry.Points[0].Y);
  FValues.rotation = geometry.Angles[0];
}

// The pad's top values become its bottom ones and back, and so do the side layers' entries.
void TPadObject::TurnOver() {
  TBoardObject::TurnOver();
  std::swap(FValues.topShape, FValues.bottomShape);
  std::swap(FValues.topXSize, FValues.bottomXSize);
  std::swap(FValues.topYSize, FValues.bottomYSize);
  std::swap(FTopPercent, FBottomPercent);
  if (FTable)
    for (const auto& [top, bottom] : kSidePairs) std::swap((*FTable)[top], (*FTable)[bottom]);
}

std::optional<TBounds> TPadObject::Bounds() const {
  const double halfWidth = std::abs(static_cast<double>(FValues.topXSize)) / 2;
  const double halfHeight = std::abs(static_cast<double>(FValues.topYSize)) / 2;
  const double radians = NormalizedDegrees(FValues.rotation) * std::numbers::pi / 180;
  const double c = std::fabs(std::cos(radians));
  const double s = std::fabs(std::sin(radians));
  return BoundsAround(FValues.x, FValues.y, halfWidth * c + halfHeight * s,
                      halfWidth * s + halfHeight * c);
}

void TPadObject::WriteFields(TFieldWriter& writer) const {
  std::vector<TLayerEntry> perLayer;
  for (PcbLayerNumber layer = 0; FTable && layer < kLayerCount; ++layer)
    if (!(*FTable)[layer].IsZero()) perLayer.push_back({layer, (*FTable)[layer]});
  uint8_t stackMode = FStackMode;
  uint8_t top = FTopPercent;
  uint8_t middle = FMiddlePercent;
  uint8_t bottom = FBottomPercent;
  PadFields(writer, FValues, stackMode, top, middle, bottom, perLayer);
}

void TPadObject::ReadFields(TFieldReader& reader) {
  std::vector<TLayerEntry> perLayer;
  PadFields(reader, FValues, FStackMode, FTopPercent, FMiddlePercent, FBottomPercent, perLayer);
  FTable.reset();
  for (const TLayerEntry& entry : perLayer) TableEntry(entry.Layer) = entry.Values;
}

}  // namespace standin
