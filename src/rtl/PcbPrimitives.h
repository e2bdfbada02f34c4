// Wrappers of the simple host primitives: tracks, arcs, fills, regions, component bodies and
// differential pairs.
#pragma once

#include "rtl/PcbObject.h"

// A straight track from (FX, FY) to (X2, Y2).
class TPcbTrack : public TPCBObject {
public:
  explicit TPcbTrack(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectTrack) {}
  void MoveBy(int32_t dx, int32_t dy) override;
  int32_t GetX2() const override { return FRecord.x2; }
  int32_t GetY2() const override { return FRecord.y2; }
  void SetX2(int32_t x) override { FRecord.x2 = x; }
  void SetY2(int32_t y) override { FRecord.y2 = y; }
  int32_t GetWidth() const override { return FRecord.width; }
  void SetWidth(int32_t width) override { FRecord.width = width; }
  // The track's body without its round ends, turned along the track.
  TPcbRotatedRect RotatedRect() const override;

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbTrackRecord FRecord{};
};

// An arc around (FX, FY) from StartAngle to EndAngle (degrees, counter-clockwise).
class TPcbArc : public TPCBObject {
public:
  explicit TPcbArc(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectArc) {}
  int32_t GetRadius() const { return FRecord.radius; }
  void SetRadius(int32_t radius) { FRecord.radius = radius; }
  double GetStartAngle() const { return FRecord.startAngle; }
  void SetStartAngle(double angle) { FRecord.startAngle = angle; }
  double GetEndAngle() const { return FRecord.endAngle; }
  void SetEndAngle(double angle) { FRecord.endAngle = angle; }
  int32_t GetWidth() const override { return FRecord.width; }
  void SetWidth(int32_t width) override { FRecord.width = width; }
  // The square around the whole circle, grown by half the width.
  TPcbRotatedRect RotatedRect() const override;

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbArcRecord FRecord{};
};

// A filled rectangle with corners (FX, FY) and (X2, Y2), turned about its centre.
class TPcbFill : public TPCBObject {
public:
  explicit TPcbFill(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectFill) {}
  void MoveBy(int32_t dx, int32_t dy) override;
  int32_t GetX2() const override { return FRecord.x2; }
  int32_t GetY2() const override { return FRecord.y2; }
  void SetX2(int32_t x) override { FRecord.x2 = x; }
  void SetY2(int32_t y) override { FRecord.y2 = y; }
  double GetRotation() const override { return FRecord.rotation; }
  void SetRotation(double rotation) override { FRecord.rotation = rotation; }
  TPcbRotatedRect RotatedRect() const override;

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbFillRecord FRecord{};
};

// A region read and written as a whole; the import makes its regions through the server
// interface instead.
class TPCBRegion : public TPCBObject {
public:
  explicit TPCBRegion(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectRegion) {}

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbRegionRecord FRecord{};
};

// Kinds that only carry the common fields.
class TPcbComponentBody : public TPCBObject {
public:
  explicit TPcbComponentBody(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectComponentBody) {}
};

class TPcbDifferentialPair : public TPCBObject {
public:
  explicit TPcbDifferentialPair(PcbHandle handle = 0)
      : TPCBObject(handle, kPcbObjectDifferentialPair) {}
};
