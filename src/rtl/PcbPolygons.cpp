#include "rtl/PcbPolygons.h"

int32_t TPcbPolygon::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryPolygon);
  return ExchangeRecord(message, query, FRecord);
}

int32_t TPcbSplitPlane::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QuerySplitPlane);
  return ExchangeRecord(message, query, FRecord);
}
