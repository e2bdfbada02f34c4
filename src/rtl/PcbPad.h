// Wrapper of a host pad: its record, its stack mode and its values per layer number.
#pragma once

#include "rtl/PcbObject.h"

class TPcbPad : public TPCBObject {
public:
  explicit TPcbPad(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectPad) {}

  bool GetFlagByte1() const override { return FRecord.flagByte1 != 0; }
  void SetFlagByte1(bool on) override { FRecord.flagByte1 = on ? 1 : 0; }
  bool GetFlagByte2() const override { return FRecord.flagByte2 != 0; }
  void SetFlagByte2(bool on) override { FRecord.flagByte2 = on ? 1 : 0; }

  // The pad name (at most 20 bytes), pin role and the option byte the pin import sets.
  std::string GetName() const override;
  void SetName(std::string_view name) override;
  uint8_t GetPinRole() const { return FRecord.pinRole; }
  void SetPinRole(uint8_t role) { FRecord.pinRole = role; }
  uint8_t GetOption() const { return FRecord.option; }
  void SetOption(uint8_t option) { FRecord.option = option; }
  double GetRotation() const override { return FRecord.rotation; }
  void SetRotation(double rotation) override { FRecord.rotation = rotation; }
  int32_t GetHoleSize() const override { return FRecord.holeSize; }
  void SetHoleSize(int32_t size) override { FRecord.holeSize = size; }

  // Top, middle and bottom sizes and shapes; the general size and shape are the top ones.
  int32_t GetTopXSize() const { return FRecord.topXSize; }
  int32_t GetTopYSize() const { return FRecord.topYSize; }
  int32_t GetMiddleXSize() const { return FRecord.middleXSize; }
  int32_t GetMiddleYSize() const { return FRecord.middleYSize; }
  int32_t GetBottomXSize() const { return FRecord.bottomXSize; }
  int32_t GetBottomYSize() const { return FRecord.bottomYSize; }
  uint8_t GetTopShape() const { return FRecord.topShape; }
  uint8_t GetMiddleShape() const { return FRecord.middleShape; }
  uint8_t GetBottomShape() const { return FRecord.bottomShape; }
  void SetTopSize(int32_t x, int32_t y);
  void SetMiddleSize(int32_t x, int32_t y);
  void SetBottomSize(int32_t x, int32_t y);
  void SetTopShape(uint8_t shape) { FRecord.topShape = shape; }
  void SetMiddleShape(uint8_t shape) { FRecord.middleShape = shape; }
  void SetBottomShape(uint8_t shape) { FRecord.bottomShape = shape; }
  int32_t GetXSize() const override { return FRecord.topXSize; }
  int32_t GetYSize() const override { return FRecord.topYSize; }
  uint8_t GetShape() const override { return FRecord.topShape; }
  void SetXSize(int32_t size) override { FRecord.topXSize = size; }
  void SetYSize(int32_t size) override { FRecord.topYSize = size; }
  void SetShape(uint8_t shape) override { FRecord.topShape = shape; }

  // Reads the pad record alone: position, net, flags, the three levels' sizes and shapes, but
  // not the stack mode nor the values of every layer, which Update reads with 332 more calls.
  int32_t ReadRecord();

  // kPadStackSimple, kPadStackTopMiddleBottom or kPadStackFull.
  uint8_t GetStackMode() const { return FStackMode; }
  void SetStackMode(uint8_t mode) { FStackMode = mode; }

  // Values per layer number; layers beyond 82 read as 0 and are not stored.
  int32_t XSizeOnLayer(PcbLayerNumber layer) const override;
  int32_t YSizeOnLayer(PcbLayerNumber layer) const override;
  uint8_t ShapeOnLayer(PcbLayerNumber layer) const override;
  int32_t CornerRadiusOnLayer(PcbLayerNumber layer) const;
  uint8_t CornerRadiusPercentOnLayer(PcbLayerNumber layer) const;
  void SetSizeOnLayer(PcbLayerNumber layer, int32_t x, int32_t y);
  void SetShapeOnLayer(PcbLayerNumber layer, uint8_t shape);
  void SetCornerRadiusPercentOnLayer(PcbLayerNumber layer, uint8_t percent);
  uint8_t GetTopCornerRadiusPercent() const { return FStack.topCornerRadiusPercent; }
  uint8_t GetMiddleCornerRadiusPercent() const { return FStack.middleCornerRadiusPercent; }
  uint8_t GetBottomCornerRadiusPercent() const { return FStack.bottomCornerRadiusPercent; }
  void SetCornerRadiusPercents(uint8_t top, uint8_t middle, uint8_t bottom);

  // The top pad turned by the pad's rotation.
  TPcbRotatedRect RotatedRect() const override;

protected:
  // The pad record; when it succeeds, the stack mode and the values per layer.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  void ReadLayerStack();
  void WriteLayerStack();

  PcbPadRecord FRecord{};
  uint8_t FStackMode = kPadStackSimple;
  PcbPadLayerStack FStack{};
};
