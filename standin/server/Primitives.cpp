#include "server/Primitives.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <unordered_map>

#include "server/DocumentFields.h"
#include "server/LayerNumbers.h"

namespace standin {
namespace {

constexpr int32_t kDefaultTextHeight = 200000;  // 20 mil

template <class V, class R>
void TrackFields(V& v, R& r) {
  v("x1", r.x1);
  v("y1", r.y1);
  v("x2", r.x2);
  v("y2", r.y2);
  v("width", r.width);
}

template <class V, class R>
void TrackReservedFields(V& v, R& r) {
  v("reserved1", r.reserved1);
  v("reserved2", r.reserved2);
  v("reserved3", r.reserved3);
}

// The non-zero reserved fields of the tracks that have them. Changed only by the server's own
// thread; the threads that save a document only read it.
std::unordered_map<const TTrackObject*, TTrackReserved>& ReservedOfTracks() {
  static std::unordered_map<const TTrackObject*, TTrackReserved> reserved;
  return reserved;
}

template <class V, class R>
void ArcFields(V& v, R& r) {
  v("x", r.x);
  v("y", r.y);
  v("radius", r.radius);
  v("startAngle", r.startAngle);
  v("endAngle", r.endAngle);
  v("width", r.width);
  v("reserved1", r.reserved1);
}

template <class V, class R>
void FillFields(V& v, R& r) {
  v("x1", r.x1);
  v("y1", r.y1);
  v("x2", r.x2);
  v("y2", r.y2);
  v("rotation", r.rotation);
  v("reserved1", r.reserved1);
}

template <class V, class R>
void ViaFields(V& v, R& r) {
  v("x", r.x);
  v("y", r.y);
  v("diameter", r.diameter);
  v("holeSize", r.holeSize);
  v("startLayer", AsLayer(r.startLayer));
  v("endLayer", AsLayer(r.endLayer));
  v("flagByte1", r.flagByte1);
  v("flagByte2", r.flagByte2);
}

template <class V, class R, class T, class B>
void TextFields(V& v, R& r, T& trueType, B& barCode) {
  v("x", r.x);
  v("y", r.y);
  v("text", r.text);
  v("rotation", r.rotation);
  v("reserved1", r.reserved1);
  v("reserved2", r.reserved2);
  v("reserved3", r.reserved3);
  v("reserved4", r.reserved4);
  v("reserved5", r.reserved5);
  v("reserved6", r.reserved6);
  v.Group("trueType", [&](auto& g) {
    g("reserved1", trueType.reserved1);
    g("fontName", trueType.fontName);
    g("reserved2", trueType.reserved2);
    g("reserved3", trueType.reserved3);
    g("reserved4", trueType.reserved4);
    g("reserved5", trueType.reserved5);
  });
  v.Group("barCode", [&](auto& g) {
    g("reserved1", barCode.reserved1);
    g("reserved2", barCode.reserved2);
    g("reserved3", barCode.reserved3);
    g("reserved4", barCode.reserved4);
  });
}

TGeometry PointGeometry(int32_t x, int32_t y) {
  TGeometry geometry;
  geometry.PointCount = 1;
  geometry.Points[0] = {static_cast<double>(x), static_cast<double>(y)};
  return geometry;
}

TGeometry TurnedPointGeometry(double x, double y, double direction) {
  TGeometry geometry;
  geometry.PointCount = 1;
  geometry.Points[0] = {x, y};
  geometry.AngleKind = TGeometry::TAngles::Direction;
  geometry.Angles[0] = direction;
  return geometry;
}

}  // namespace

TBounds BoundsAround(double x, double y, double halfWidth, double halfHeight) {
  return {ToCoord(x - halfWidth), ToCoord(y - halfHeight), ToCoord(x + halfWidth),
          ToCoord(y + halfHeight)};
}

// Track --------------------------------------------------------------------------------------

TTrackObject::~TTrackObject() {
  if (FHasReserved) ReservedOfTracks().erase(this);
}

TTrackReserved TTrackObject::Reserved() const {
  return FHasReserved ? ReservedOfTracks().at(this) : TTrackReserved{};
}

void TTrackObject::SetReserved(const TTrackReserved& reserved) {
  if (reserved.IsZero()) {
    if (FHasReserved) ReservedOfTracks().erase(this);
    FHasReserved = false;
    return;
  }
  ReservedOfTracks()[this] = reserved;
  FHasReserved = true;
}

void TTrackObject::Give(PcbTrackRecord& record) const {
  record.x1 = FValues.x1;
  record.y1 = FValues.y1;
  record.x2 = FValues.x2;
  record.y2 = FValues.y2;
  record.width = FValues.width;
  const TTrackReserved reserved = Reserved();
  record.reserved1 = reserved.reserved1;
  record.reserved2 = reserved.reserved2;
  record.reserved3 = reserved.reserved3;
}

void TTrackObject::Take(const PcbTrackRecord& record) {
  FValues = {record.x1, record.y1, record.x2, record.y2, record.width};
  SetReserved({record.reserved1, record.reserved2, record.reserved3});
}

PcbTrackRecord TTrackObject::Record() const {
  PcbTrackRecord record = RecordWithCommonFields<PcbTrackRecord>();
  Give(record);
  return record;
}

TGeometry TTrackObject::BoardGeometry() const {
  TGeometry geometry;
  geometry.PointCount = 2;
  geometry.Points[0] = {static_cast<double>(FValues.x1), static_cast<double>(FValues.y1)};
  geometry.Points[1] = {static_cast<double>(FValues.x2), static_cast<double>(FValues.y2)};
  return geometry;
}

void TTrackObject::SetBoardGeometry(const TGeometry& geometry) {
  FValues.x1 = ToCoord(geometry.Points[0].X);
  FValues.y1 = ToCoord(geometry.Points[0].Y);
  FValues.x2 = ToCoord(geometry.Points[1].X);
  FValues.y2 = ToCoord(geometry.Points[1].Y);
}

std::optional<TBounds> TTrackObject::Bounds() const {
  const double half = FValues.width / 2.0;
  const double left = std::min(FValues.x1, FValues.x2);
  const double right = std::max(FValues.x1, FValues.x2);
  const double bottom = std::min(FValues.y1, FValues.y2);
  const double top = std::max(FValues.y1, FValues.y2);
  return TBounds{ToCoord(left - half), ToCoord(bottom - half), ToCoord(right + half),
                 ToCoord(top + half)};
}

void TTrackObject::WriteFields(TFieldWriter& writer) const {
  TrackFields(writer, FValues);
  TTrackReserved reserved = Reserved();
  TrackReservedFields(writer, reserved);
}

void TTrackObject::ReadFields(TFieldReader& reader) {
  TrackFields(reader, FValues);
  TTrackReserved reserved = Reserved();
  TrackReservedFields(reader, reserved);
  SetReserved(reserved);
}

// Arc ----------------------------------------------------------------------------------------

bool TArcObject::Accepts(const PcbArcRecord& record) const {
  return std::isfinite(record.startAngle) && std::isfinite(record.endAngle);
}

TGeometry TArcObject::BoardGeometry() const {
  TGeometry geometry = PointGeometry(FRecord.x, FRecord.y);
  geometry.AngleKind = TGeometry::TAngles::Arc;
  geometry.Angles[0] = FRecord.startAngle;
  geometry.Angles[1] = FRecord.endAngle;
  return geometry;
}

void TArcObject::SetBoardGeometry(const TGeometry& geometry) {
  FRecord.x = ToCoord(geometry.Points[0].X);
  FRecord.y = ToCoord(geometry.Points[0].Y);
  FRecord.startAngle = geometry.Angles[0];
  FRecord.endAngle = geometry.Angles[1];
}

std::optional<TBounds> TArcObject::Bounds() const {
  const double reach = static_cast<double>(FRecord.radius) + FRecord.width / 2.0;
  return BoundsAround(FRecord.x, FRecord.y, reach, reach);
}

void TArcObject::WriteFields(TFieldWriter& writer) const { ArcFields(writer, FRecord); }
void TArcObject::ReadFields(TFieldReader& reader) { ArcFields(reader, FRecord); }

// Fill ---------------------------------------------------------------------------------------

bool TFillObject::Accepts(const PcbFillRecord& record) const {
  return std::isfinite(record.rotation);
}

// The centre moves; the corners keep their distance from it.
TGeometry TFillObject::BoardGeometry() const {
  return TurnedPointGeometry((static_cast<double>(FRecord.x1) + FRecord.x2) / 2,
                             (static_cast<double>(FRecord.y1) + FRecord.y2) / 2,
                             FRecord.rotation);
}

void TFillObject::SetBoardGeometry(const TGeometry& geometry) {
  const double halfWidth = (static_cast<double>(FRecord.x2) - FRecord.x1) / 2;
  const double halfHeight = (static_cast<double>(FRecord.y2) - FRecord.y1) / 2;
  const TPointD centre = geometry.Points[0];
  FRecord.x1 = ToCoord(centre.X - halfWidth);
  FRecord.y1 = ToCoord(centre.Y - halfHeight);
  FRecord.x2 = ToCoord(centre.X + halfWidth);
  FRecord.y2 = ToCoord(centre.Y + halfHeight);
  FRecord.rotation = geometry.Angles[0];
}

std::optional<TBounds> TFillObject::Bounds() const {
  const double halfWidth = std::fabs(static_cast<double>(FRecord.x2) - FRecord.x1) / 2;
  const double halfHeight = std::fabs(static_cast<double>(FRecord.y2) - FRecord.y1) / 2;
  const double radians = NormalizedDegrees(FRecord.rotation) * std::numbers::pi / 180;
  const double c = std::fabs(std::cos(radians));
  const double s = std::fabs(std::sin(radians));
  const TGeometry centre = BoardGeometry();
  return BoundsAround(centre.Points[0].X, centre.Points[0].Y, halfWidth * c + halfHeight * s,
                      halfWidth * s + halfHeight * c);
}

void TFillObject::WriteFields(TFieldWriter& writer) const { FillFields(writer, FRecord); }
void TFillObject::ReadFields(TFieldReader& reader) { FillFields(reader, FRecord); }

// Via ----------------------------------------------------------------------------------------

TViaObject::TViaObject() : TBoardObject(kKind) {
  Common().Layer = kMultiLayer;
  FRecord.startLayer = kTopLayer;
  FRecord.endLayer = kBottomLayer;
}

bool TViaObject::Accepts(const PcbViaRecord& record) const {
  return IsLayerNumber(record.startLayer) && IsLayerNumber(record.endLayer);
}

bool TViaObject::CoversLayer(PcbLayerNumber layer) const {
  if (layer == kMultiLayer || IsInternalPlaneNumber(layer)) return true;
  const auto [first, last] = std::minmax(FRecord.startLayer, FRecord.endLayer);
  return IsSignalNumber(layer) && layer >= first && layer <= last;
}

TGeometry TViaObject::BoardGeometry() const { return PointGeometry(FRecord.x, FRecord.y); }

void TViaObject::SetBoardGeometry(const TGeometry& geometry) {
  FRecord.x = ToCoord(geometry.Points[0].X);
  FRecord.y = ToCoord(geometry.Points[0].Y);
}

void TViaObject::TurnOver() {
  TBoardObject::TurnOver();
  FRecord.startLayer = OtherSideLayer(FRecord.startLayer);
  FRecord.endLayer = OtherSideLayer(FRecord.endLayer);
}

std::optional<TBounds> TViaObject::Bounds() const {
  const double half = FRecord.diameter / 2.0;
  return BoundsAround(FRecord.x, FRecord.y, half, half);
}

void TViaObject::WriteFields(TFieldWriter& writer) const { ViaFields(writer, FRecord); }
void TViaObject::ReadFields(TFieldReader& reader) { ViaFields(reader, FRecord); }

// Text ---------------------------------------------------------------------------------------

TTextObject::TTextObject() : TBoardObject(kKind) {
  FTrueType.FontName = "Arial";
  FTrueType.Reserved5 = kDefaultTextHeight;
}

void TTextObject::Give(PcbTextRecord& record) const {
  record.x = FValues.X;
  record.y = FValues.Y;
  record.reserved1 = FValues.Reserved1;
  record.reserved2 = FValues.Reserved2;
  record.rotation = FValues.Rotation;
  record.reserved3 = FValues.Reserved3;
  record.text = {};
  record.text.length = static_cast<uint8_t>(FText.size());
  std::memcpy(record.text.text, FText.data(), FText.size());
  record.reserved4 = FValues.Reserved4;
  record.reserved5 = FValues.Reserved5;
  record.reserved6 = FValues.Reserved6;
}

bool TTextObject::Accepts(const PcbTextRecord& record) const {
  return std::isfinite(record.rotation);
}

void TTextObject::Take(const PcbTextRecord& record) {
  FValues = {record.x,         record.y,         record.reserved1, record.reserved2,
             record.rotation,  record.reserved3, record.reserved4, record.reserved5,
             record.reserved6};
  FText.assign(record.text.text, std::min<std::size_t>(record.text.length, sizeof(record.text.text)));
}

void TTextObject::Give(PcbTrueTypeTextRecord& record) const {
  record.reserved1 = FTrueType.Reserved1;
  record.fontName = {};
  record.fontName.length = static_cast<uint8_t>(FTrueType.FontName.size());
  std::memcpy(record.fontName.text, FTrueType.FontName.data(), FTrueType.FontName.size());
  record.reserved2 = FTrueType.Reserved2;
  record.reserved3 = FTrueType.Reserved3;
  record.reserved4 = FTrueType.Reserved4;
  record.reserved5 = FTrueType.Reserved5;
}

void TTextObject::Take(const PcbTrueTypeTextRecord& record) {
  FTrueType.Reserved1 = record.reserved1;
  FTrueType.FontName.assign(record.fontName.text, record.fontName.length);
  FTrueType.Reserved2 = record.reserved2;
  FTrueType.Reserved3 = record.reserved3;
  FTrueType.Reserved4 = record.reserved4;
  FTrueType.Reserved5 = record.reserved5;
}

PcbTextRecord TTextObject::Record() const {
  PcbTextRecord record = RecordWithCommonFields<PcbTextRecord>();
  Give(record);
  return record;
}

TGeometry TTextObject::BoardGeometry() const {
  return TurnedPointGeometry(FValues.X, FValues.Y, FValues.Rotation);
}

void TTextObject::SetBoardGeometry(const TGeometry& geometry) {
  FValues.X = ToCoord(geometry.Points[0].X);
  FValues.Y = ToCoord(geometry.Points[0].Y);
  FValues.Rotation = geometry.Angles[0];
}

std::optional<TBounds> TTextObject::Bounds() const {
  return BoundsAround(FValues.X, FValues.Y, 0, 0);
}

// Through whole records: the document names the record's fields.
void TTextObject::WriteFields(TFieldWriter& writer) const {
  PcbTextRecord record{};
  PcbTrueTypeTextRecord trueType{};
  Give(record);
  Give(trueType);
  PcbBarCodeTextRecord barCode = FBarCode;
  TextFields(writer, record, trueType, barCode);
}

void TTextObject::ReadFields(TFieldReader& reader) {
  PcbTextRecord record{};
  PcbTrueTypeTextRecord trueType{};
  Give(record);
  Give(trueType);
  TextFields(reader, record, trueType, FBarCode);
  Take(record);
  Take(trueType);
}

}  // namespace standin
