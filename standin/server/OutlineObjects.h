// Objects with an outline: polygons (and the board outline, a polygon of its own kind), split
// planes and regions.
//
// An outline record holds a segment count and the segments, at most 5001; the segment after
// the last counted one is a closing copy of the first. The server keeps the counted segments
// and gives the closing copy back on every read.
#pragma once

#include <vector>

#include "server/BoardObject.h"

namespace standin {

class TOutline {
public:
  // A count outside 0..5001 or an arc segment with an angle that is no number is refused.
  static bool Accepts(const PcbOutlineRecord& record);
  void Take(const PcbOutlineRecord& record);
  void Give(PcbOutlineRecord& record) const;
  // Straight segments through the points; false (and nothing changed) beyond the capacity.
  bool SetPoints(const std::vector<TPointD>& points);

  const std::vector<PcbOutlineSegment>& Segments() const { return FSegments; }
  std::vector<TPointD> EndPoints() const;
  void SetEndPoints(const std::vector<TPointD>& points);
  std::optional<TBounds> Bounds() const;

  // "outline" (the end points as [x, y]) and "arcSegments" (the segments that are not plain
  // straight ones, by index).
  void WriteFields(TFieldWriter& writer) const;
  void ReadFields(TFieldReader& reader);

private:
  std::vector<PcbOutlineSegment> FSegments;
};

// A polygon's settings besides its outline, as the polygon record holds them.
struct TPolygonSettings {
  uint8_t reserved1 = 0;
  uint8_t reserved2 = 0;
  uint8_t pourStyle = 0;
  int32_t grid = 0;
  int32_t trackWidth = 0;
  uint8_t reserved3 = 0;
  uint8_t option = 0;
  int32_t reserved4 = 0;
  uint8_t reserved5 = 0;
};

// Kind 10, or 26 for the board outline.
class TPolygonObject final : public TBoardObject {
public:
  explicit TPolygonObject(uint8_t kind) : TBoardObject(kind) {}

  void Give(PcbPolygonRecord& record) const;
  bool Accepts(const PcbPolygonRecord& record) const { return TOutline::Accepts(record.outline); }
  void Take(const PcbPolygonRecord& record);
  const TOutline& Outline() const { return FOutline; }

  std::optional<TBounds> Bounds() const override { return FOutline.Bounds(); }
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  TPolygonSettings FSettings;
  TOutline FOutline;
};

class TSplitPlaneObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectSplitPlane;
  TSplitPlaneObject() : TBoardObject(kKind) {}

  void Give(PcbSplitPlaneRecord& record) const;
  bool Accepts(const PcbSplitPlaneRecord& record) const {
    return TOutline::Accepts(record.outline);
  }
  void Take(const PcbSplitPlaneRecord& record);
  const TOutline& Outline() const { return FOutline; }

  std::optional<TBounds> Bounds() const override { return FOutline.Bounds(); }
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  int32_t FReserved1 = 0;
  TOutline FOutline;
};

// A region: its record, the kind the server interface gives it, and its outline (the contour
// it was given). It moves with a component like the other primitives.
class TRegionObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectRegion;
  TRegionObject() : TBoardObject(kKind) {}

  void Give(PcbRegionRecord& record) const { record = FRecord; }
  void Take(const PcbRegionRecord& record) { FRecord = record; }
  int32_t RegionKind() const { return FRegionKind; }
  void SetRegionKind(int32_t kind) { FRegionKind = kind; }
  TOutline& Outline() { return FOutline; }
  const TOutline& Outline() const { return FOutline; }

  TGeometry BoardGeometry() const override;
  void SetBoardGeometry(const TGeometry& geometry) override;
  std::optional<TBounds> Bounds() const override { return FOutline.Bounds(); }
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbRegionRecord FRecord{};
  int32_t FRegionKind = 0;
  TOutline FOutline;
};

}  // namespace standin
