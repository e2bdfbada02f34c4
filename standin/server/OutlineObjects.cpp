#include "server/OutlineObjects.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "server/DocumentFields.h"

namespace standin {
namespace {

constexpr int64_t kMinCoord = std::numeric_limits<int32_t>::min();
constexpr int64_t kMaxCoord = std::numeric_limits<int32_t>::max();

// The values of a segment that is not a plain straight one, by its index.
struct TArcSegment {
  int32_t Index = 0;
  PcbOutlineSegment Segment{};
};

bool IsPlainStraight(const PcbOutlineSegment& s) {
  return s.kind == kPcbSegmentLine && s.centerX == 0 && s.centerY == 0 && s.radius == 0 &&
         s.startAngle == 0 && s.endAngle == 0;
}

template <class V, class A>
void ArcSegmentFields(V& v, A& arc) {
  v("index", arc.Index);
  v("kind", arc.Segment.kind);
  v("centerX", arc.Segment.centerX);
  v("centerY", arc.Segment.centerY);
  v("radius", arc.Segment.radius);
  v("startAngle", arc.Segment.startAngle);
  v("endAngle", arc.Segment.endAngle);
}

template <class V, class S>
void PolygonSettingsFields(V& v, S& s) {
  v("reserved1", s.reserved1);
  v("reserved2", s.reserved2);
  v("pourStyle", s.pourStyle);
  v("grid", s.grid);
  v("trackWidth", s.trackWidth);
  v("reserved3", s.reserved3);
  v("option", s.option);
  v("reserved4", s.reserved4);
  v("reserved5", s.reserved5);
}

template <class V, class R>
void RegionFields(V& v, R& r, int32_t& regionKind) {
  v("regionKind", regionKind);
  v("reserved1", r.reserved1);
  v("reserved2", r.reserved2);
  v("reserved3", r.reserved3);
  v("reserved4", r.reserved4);
  v("reserved5", r.reserved5);
  v("reserved6", r.reserved6);
  v("reserved7", r.reserved7);
}

}  // namespace

// TOutline -----------------------------------------------------------------------------------

bool TOutline::Accepts(const PcbOutlineRecord& record) {
  if (record.segmentCount < 0 || record.segmentCount > kPcbOutlineCapacity) return false;
  for (int32_t i = 0; i < record.segmentCount; ++i)
    if (!std::isfinite(record.segments[i].startAngle) ||
        !std::isfinite(record.segments[i].endAngle))
      return false;
  return true;
}

void TOutline::Take(const PcbOutlineRecord& record) {
  const int32_t count = std::clamp(record.segmentCount, 0, kPcbOutlineCapacity);
  FSegments.assign(record.segments, record.segments + count);
}

void TOutline::Give(PcbOutlineRecord& record) const {
  const auto count = static_cast<int32_t>(FSegments.size());
  record.segmentCount = count;
  std::copy(FSegments.begin(), FSegments.end(), record.segments);
  if (count > 0 && count < kPcbOutlineCapacity) record.segments[count] = FSegments.front();
}

bool TOutline::SetPoints(const std::vector<TPointD>& points) {
  if (points.size() > static_cast<std::size_t>(kPcbOutlineCapacity)) return false;
  FSegments.assign(points.size(), PcbOutlineSegment{});
  SetEndPoints(points);
  return true;
}

std::vector<TPointD> TOutline::EndPoints() const {
  std::vector<TPointD> points;
  points.reserve(FSegments.size());
  for (const PcbOutlineSegment& s : FSegments)
    points.push_back({static_cast<double>(s.x), static_cast<double>(s.y)});
  return points;
}

void TOutline::SetEndPoints(const std::vector<TPointD>& points) {
  const std::size_t count = std::min(points.size(), FSegments.size());
  for (std::size_t i = 0; i < count; ++i) {
    FSegments[i].x = ToCoord(points[i].X);
    FSegments[i].y = ToCoord(points[i].Y);
  }
}

std::optional<TBounds> TOutline::Bounds() const {
  if (FSegments.empty()) return std::nullopt;
  TBounds bounds{FSegments[0].x, FSegments[0].y, FSegments[0].x, FSegments[0].y};
  for (const PcbOutlineSegment& s : FSegments) {
    bounds.Left = std::min(bounds.Left, s.x);
    bounds.Bottom = std::min(bounds.Bottom, s.y);
    bounds.Right = std::max(bounds.Right, s.x);
    bounds.Top = std::max(bounds.Top, s.y);
  }
  return bounds;
}

void TOutline::WriteFields(TFieldWriter& writer) const {
  std::vector<TArcSegment> arcs;
  for (std::size_t i = 0; i < FSegments.size(); ++i)
    if (!IsPlainStraight(FSegments[i])) arcs.push_back({static_cast<int32_t>(i), FSegments[i]});
  writer.PairList("outline", FSegments.size(),
                  [&](std::size_t i) { return std::pair(FSegments[i].x, FSegments[i].y); });
  writer.List("arcSegments", arcs, [](auto& g, auto& arc) { ArcSegmentFields(g, arc); });
}

void TOutline::ReadFields(TFieldReader& reader) {
  const std::size_t count = reader.ListSize("outline");
  if (count > static_cast<std::size_t>(kPcbOutlineCapacity))
    reader.Fail("outline", "has more than " + std::to_string(kPcbOutlineCapacity) + " points");
  std::vector<PcbOutlineSegment> segments(count, PcbOutlineSegment{});
  reader.PairList("outline", kMinCoord, kMaxCoord, [&](std::size_t i, int64_t x, int64_t y) {
    segments[i].x = static_cast<int32_t>(x);
    segments[i].y = static_cast<int32_t>(y);
  });
  std::vector<TArcSegment> arcs;
  reader.List("arcSegments", arcs, [](auto& g, auto& arc) { ArcSegmentFields(g, arc); });
  for (const TArcSegment& arc : arcs) {
    if (arc.Index < 0 || static_cast<std::size_t>(arc.Index) >= segments.size())
      reader.Fail("arcSegments", "names a segment the outline does not have");
    PcbOutlineSegment& segment = segments[static_cast<std::size_t>(arc.Index)];
    const int32_t x = segment.x;
    const int32_t y = segment.y;
    segment = arc.Segment;
    segment.x = x;
    segment.y = y;
  }
  FSegments = std::move(segments);
}

// Polygon ------------------------------------------------------------------------------------

void TPolygonObject::Give(PcbPolygonRecord& record) const {
  record.reserved1 = FSettings.reserved1;
  record.reserved2 = FSettings.reserved2;
  record.pourStyle = FSettings.pourStyle;
  record.grid = FSettings.grid;
  record.trackWidth = FSettings.trackWidth;
  record.reserved3 = FSettings.reserved3;
  record.option = FSettings.option;
  record.reserved4 = FSettings.reserved4;
  record.reserved5 = FSettings.reserved5;
  FOutline.Give(record.outline);
}

void TPolygonObject::Take(const PcbPolygonRecord& record) {
  FSettings = {record.reserved1, record.reserved2, record.pourStyle,
               record.grid,      record.trackWidth, record.reserved3,
               record.option,    record.reserved4,  record.reserved5};
  FOutline.Take(record.outline);
}

void TPolygonObject::WriteFields(TFieldWriter& writer) const {
  PolygonSettingsFields(writer, FSettings);
  FOutline.WriteFields(writer);
}

void TPolygonObject::ReadFields(TFieldReader& reader) {
  PolygonSettingsFields(reader, FSettings);
  FOutline.ReadFields(reader);
}

// Split plane --------------------------------------------------------------------------------

void TSplitPlaneObject::Give(PcbSplitPlaneRecord& record) const {
  record.reserved1 = FReserved1;
  FOutline.Give(record.outline);
}

void TSplitPlaneObject::Take(const PcbSplitPlaneRecord& record) {
  FReserved1 = record.reserved1;
  FOutline.Take(record.outline);
}

void TSplitPlaneObject::WriteFields(TFieldWriter& writer) const {
  writer("reserved1", FReserved1);
  FOutline.WriteFields(writer);
}

void TSplitPlaneObject::ReadFields(TFieldReader& reader) {
  reader("reserved1", FReserved1);
  FOutline.ReadFields(reader);
}

// Region -------------------------------------------------------------------------------------

TGeometry TRegionObject::BoardGeometry() const {
  TGeometry geometry;
  geometry.Outline = FOutline.EndPoints();
  return geometry;
}

void TRegionObject::SetBoardGeometry(const TGeometry& geometry) {
  FOutline.SetEndPoints(geometry.Outline);
}

void TRegionObject::WriteFields(TFieldWriter& writer) const {
  int32_t regionKind = FRegionKind;
  RegionFields(writer, FRecord, regionKind);
  FOutline.WriteFields(writer);
}

void TRegionObject::ReadFields(TFieldReader& reader) {
  RegionFields(reader, FRecord, FRegionKind);
  FOutline.ReadFields(reader);
}

}  // namespace standin
