#include "rtl/PcbVia.h"

TPcbRotatedRect TPcbVia::RotatedRect() const {
  const double diameter = FRecord.diameter;
  return {static_cast<double>(FX), static_cast<double>(FY), diameter, diameter, 0};
}

int32_t TPcbVia::XSizeOnLayer(PcbLayerNumber layer) const {
  return layer < kLayerCount ? FRecord.diameter : 0;
}

uint8_t TPcbVia::ShapeOnLayer(PcbLayerNumber layer) const {
  return layer < kLayerCount ? kPadShapeRound : 0;
}

int32_t TPcbVia::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryVia);
  return ExchangeRecord(message, query, FRecord);
}
