// Wrappers of the host's outlined objects: polygons, the board outline and split planes.
#pragma once

#include <span>
#include <vector>

#include "rtl/PcbObject.h"
#include "rtl/PcbOutline.h"

class TPcbPolygon : public TPcbGroupObject {
public:
  explicit TPcbPolygon(PcbHandle handle = 0) : TPcbPolygon(handle, kPcbObjectPolygon) {}

  uint8_t GetPourStyle() const { return FRecord.pourStyle; }
  void SetPourStyle(uint8_t style) { FRecord.pourStyle = style; }
  int32_t GetGrid() const { return FRecord.grid; }
  void SetGrid(int32_t grid) { FRecord.grid = grid; }
  int32_t GetWidth() const override { return FRecord.trackWidth; }
  void SetWidth(int32_t width) override { FRecord.trackWidth = width; }
  uint8_t GetOption() const { return FRecord.option; }
  void SetOption(uint8_t option) { FRecord.option = option; }

  std::vector<TPcbPoint> GetOutline() const { return OutlineVertices(FRecord.outline); }
  bool SetOutline(std::span<const TPcbPoint> vertices) {
    return SetOutlineVertices(FRecord.outline, vertices);
  }
  void ClearOutline() { FRecord.outline.segmentCount = 0; }

protected:
  TPcbPolygon(PcbHandle handle, uint8_t objectKind) : TPcbGroupObject(handle, objectKind) {}
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbPolygonRecord FRecord{};
};

// The board's outline object: a polygon record under its own kind.
class TPcbBoardOutline : public TPcbPolygon {
public:
  explicit TPcbBoardOutline(PcbHandle handle = 0) : TPcbPolygon(handle, kPcbObjectBoardOutline) {}
};

// A split plane of an internal plane layer.
class TPcbSplitPlane : public TPcbGroupObject {
public:
  explicit TPcbSplitPlane(PcbHandle handle = 0) : TPcbGroupObject(handle, kPcbObjectSplitPlane) {}

  std::vector<TPcbPoint> GetOutline() const { return OutlineVertices(FRecord.outline); }
  bool SetOutline(std::span<const TPcbPoint> vertices) {
    return SetOutlineVertices(FRecord.outline, vertices);
  }
  void ClearOutline() { FRecord.outline.segmentCount = 0; }

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbSplitPlaneRecord FRecord{};
};
