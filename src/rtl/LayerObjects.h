// The board's record of one layer: name, copper thickness, its links in the layer stack and
// the dielectric below it. Internal planes (39..54) also carry their plane's net name.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "host/PcbApi.h"

// A dielectric as a new board has it: FR-4, type 1, constant 4.8, 12.6 mil.
PcbDielectricRecord DefaultDielectric();

class TLayerObject {
public:
  // The defaults of a new board: the layer's table name, 1.4 mil copper, not in the stack.
  TLayerObject(PcbHandle board, PcbLayerNumber number);
  virtual ~TLayerObject() = default;
  TLayerObject(const TLayerObject&) = delete;
  TLayerObject& operator=(const TLayerObject&) = delete;

  // The layer record, then the dielectric below; answers the layer record's status.
  int32_t Update(uint8_t message);

  PcbHandle GetBoard() const { return FBoard; }
  PcbLayerNumber GetLayerNumber() const { return FNumber; }
  std::string GetName() const;
  void SetName(std::string_view name);
  int32_t GetCopperThickness() const { return FRecord.copperThickness; }
  void SetCopperThickness(int32_t thickness) { FRecord.copperThickness = thickness; }
  // The layers above and below in the stack; 0 = none.
  PcbLayerNumber GetPrevLayer() const { return FRecord.prev; }
  void SetPrevLayer(PcbLayerNumber layer) { FRecord.prev = layer; }
  PcbLayerNumber GetNextLayer() const { return FRecord.next; }
  void SetNextLayer(PcbLayerNumber layer) { FRecord.next = layer; }
  PcbDielectricRecord& Dielectric() { return FDielectric; }
  const PcbDielectricRecord& Dielectric() const { return FDielectric; }

protected:
  virtual int32_t ExchangeLayerRecord(uint8_t message);

  PcbHandle FBoard;
  PcbLayerNumber FNumber;
  PcbLayerRecord FRecord{};
  PcbDielectricRecord FDielectric;
};

class TInternalPlane : public TLayerObject {
public:
  // A new plane has no net: "(No Net)".
  TInternalPlane(PcbHandle board, PcbLayerNumber number);

  std::string GetPlaneNetName() const;
  void SetPlaneNetName(std::string_view name);

protected:
  // The plane record: the layer values with the net name in place of the last byte.
  int32_t ExchangeLayerRecord(uint8_t message) override;

private:
  PcbShortString FPlaneNet;
};

// The record object of a layer number: an internal plane for 39..54, else a plain layer.
std::unique_ptr<TLayerObject> CreateLayerObject(PcbHandle board, PcbLayerNumber number);
