// Wrapper of a host via. Its layers travel as layer numbers; the via is round with one
// diameter on every layer it spans.
#pragma once

#include "rtl/PcbObject.h"

class TPcbVia : public TPCBObject {
public:
  explicit TPcbVia(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectVia) {}

  bool GetFlagByte1() const override { return FRecord.flagByte1 != 0; }
  void SetFlagByte1(bool on) override { FRecord.flagByte1 = on ? 1 : 0; }
  bool GetFlagByte2() const override { return FRecord.flagByte2 != 0; }
  void SetFlagByte2(bool on) override { FRecord.flagByte2 = on ? 1 : 0; }

  int32_t GetDiameter() const { return FRecord.diameter; }
  void SetDiameter(int32_t diameter) { FRecord.diameter = diameter; }
  int32_t GetXSize() const override { return FRecord.diameter; }
  int32_t GetYSize() const override { return FRecord.diameter; }
  int32_t GetHoleSize() const override { return FRecord.holeSize; }
  void SetHoleSize(int32_t size) override { FRecord.holeSize = size; }
  PcbLayerNumber GetStartLayer() const { return FRecord.startLayer; }
  void SetStartLayer(PcbLayerNumber layer) { FRecord.startLayer = layer; }
  PcbLayerNumber GetEndLayer() const { return FRecord.endLayer; }
  void SetEndLayer(PcbLayerNumber layer) { FRecord.endLayer = layer; }

  TPcbRotatedRect RotatedRect() const override;
  int32_t XSizeOnLayer(PcbLayerNumber layer) const override;
  int32_t YSizeOnLayer(PcbLayerNumber layer) const override { return XSizeOnLayer(layer); }
  uint8_t ShapeOnLayer(PcbLayerNumber layer) const override;

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbViaRecord FRecord{};
};
