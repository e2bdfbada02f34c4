#include "rtl/PcbPrimitives.h"

#include <cmath>
#include <numbers>

namespace {

double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

}  // namespace

void TPcbTrack::MoveBy(int32_t dx, int32_t dy) {
  TPCBObject::MoveBy(dx, dy);
  FRecord.x2 = OffsetCoord(FRecord.x2, dx);
  FRecord.y2 = OffsetCoord(FRecord.y2, dy);
}

TPcbRotatedRect TPcbTrack::RotatedRect() const {
  const double dx = static_cast<double>(FRecord.x2) - FX;
  const double dy = static_cast<double>(FRecord.y2) - FY;
  return {FX + dx / 2, FY + dy / 2, std::hypot(dx, dy), static_cast<double>(FRecord.width),
          Degrees(std::atan2(dy, dx))};
}

int32_t TPcbTrack::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryTrack);
  return ExchangeRecord(message, query, FRecord);
}

TPcbRotatedRect TPcbArc::RotatedRect() const {
  const double size = 2.0 * FRecord.radius + FRecord.width;
  return {static_cast<double>(FX), static_cast<double>(FY), size, size, 0};
}

int32_t TPcbArc::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryArc);
  return ExchangeRecord(message, query, FRecord);
}

void TPcbFill::MoveBy(int32_t dx, int32_t dy) {
  TPCBObject::MoveBy(dx, dy);
  FRecord.x2 = OffsetCoord(FRecord.x2, dx);
  FRecord.y2 = OffsetCoord(FRecord.y2, dy);
}

TPcbRotatedRect TPcbFill::RotatedRect() const {
  const double x1 = FX;
  const double y1 = FY;
  const double x2 = FRecord.x2;
  const double y2 = FRecord.y2;
  return {(x1 + x2) / 2, (y1 + y2) / 2, std::abs(x2 - x1), std::abs(y2 - y1), FRecord.rotation};
}

int32_t TPcbFill::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryFill);
  return ExchangeRecord(message, query, FRecord);
}

int32_t TPCBRegion::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRegion);
  return ExchangeRecord(message, query, FRecord);
}
