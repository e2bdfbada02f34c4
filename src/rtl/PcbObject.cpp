#include "rtl/PcbObject.h"

#include <algorithm>

TPCBObject::TPCBObject(PcbHandle handle, uint8_t objectKind)
    : FHandle(handle), FObjectKind(objectKind) {}

int32_t TPCBObject::Update(uint8_t message) {
  ExchangeBitFields(message);
  return ExchangeRecords(message);
}

void TPCBObject::ExchangeBitFields(uint8_t message) {
  PCB_ENTRY_POINT(bitField2, PcbApi_GetObjectBitField2);
  PCB_ENTRY_POINT(bitField3, PcbApi_GetObjectBitField3);
  CallHost(bitField2, message, FHandle, &FBitField2);
  CallHost(bitField3, message, FHandle, &FBitField3);
}

int32_t TPCBObject::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryPrimitive);
  PcbPrimitiveRecord record{};
  return ExchangeRecord(message, query, record);
}

PcbRectangleRecord TPCBObject::BoundingRect() const {
  PCB_ENTRY_POINT(query, PcbApi_QueryObjectBoundingRectangle);
  PcbRectangleRecord rect{};
  CallHost(query, FHandle, &rect);
  return rect;
}

void TPCBObject::MoveBy(int32_t dx, int32_t dy) {
  FX = OffsetCoord(FX, dx);
  FY = OffsetCoord(FY, dy);
}

bool TPCBObject::IsNotFromUser() const {
  PCB_ENTRY_POINT(fromUser, PcbApi_QueryObjectImport_FromUser);
  return CallHost(fromUser, FHandle) == 0;
}

int32_t TPCBObject::Invalidate() const {
  PCB_ENTRY_POINT(invalidate, PcbApi_QueryObjectGraphicallyInvalidate);
  return CallHost(invalidate, FHandle);
}

int32_t TPCBObject::SetFlagBit0x0008AndWrite(bool on) {
  SetFlagBit(0x0008, on);
  return Update(kPcbMessageWrite);
}

int32_t TPCBObject::SetFlagBit0x0100ClearAndWrite(bool clear) {
  SetFlagBit(0x0100, !clear);
  return Update(kPcbMessageWrite);
}

void TPCBObject::SetFlagBit(uint16_t mask, bool on) {
  FFlags = static_cast<uint16_t>(on ? FFlags | mask : FFlags & ~mask);
}

void TPCBObject::SetBitField3Bit(uint16_t mask, bool on) {
  FBitField3 = static_cast<uint16_t>(on ? FBitField3 | mask : FBitField3 & ~mask);
}

TPcbRotatedRect TPCBObject::RotatedRect() const {
  const PcbRectangleRecord bounds = BoundingRect();
  const double left = bounds.left;
  const double bottom = bounds.bottom;
  const double right = bounds.right;
  const double top = bounds.top;
  return {(left + right) / 2, (bottom + top) / 2, right - left, top - bottom, 0};
}

std::array<TPcbPoint, 4> TPCBObject::Corners(int32_t margin) const {
  return RectCorners(RotatedRect(), margin);
}

int32_t TPCBObject::MinSizeOnLayer(PcbLayerNumber layer) const {
  return std::min(XSizeOnLayer(layer), YSizeOnLayer(layer));
}

std::array<TPcbPoint, 4> TPCBObject::CornersOnLayer(PcbLayerNumber layer, int32_t margin) const {
  const TPcbRotatedRect rect{static_cast<double>(FX), static_cast<double>(FY),
                             static_cast<double>(XSizeOnLayer(layer)),
                             static_cast<double>(YSizeOnLayer(layer)), GetRotation()};
  return RectCorners(rect, margin);
}
