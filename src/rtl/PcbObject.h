// The wrapper of one host object: its handle, its kind and a local copy of its record.
//
// The usual life: construct over a handle, Update(1) to read, change fields, Update(0) to
// write, add to the container when new, free. A wrapper never owns its host object. Every
// record exchange goes through the binding; a missing entry point answers 0 and leaves the
// fields as they were, so reading from an unbound library yields the construction defaults.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

#include "host/PcbApi.h"
#include "rtl/HostCall.h"
#include "rtl/LayerNumbering.h"
#include "rtl/PcbGeometry.h"

class TPCBObject {
public:
  TPCBObject(PcbHandle handle, uint8_t objectKind);
  virtual ~TPCBObject() = default;
  TPCBObject(const TPCBObject&) = delete;
  TPCBObject& operator=(const TPCBObject&) = delete;

  // Exchanges the two bit fields, then the class's records, all with the same message
  // (1 read, 0 write, 2 second write form). Answers the host status of the class's exchange.
  int32_t Update(uint8_t message);
  // Left, bottom, right, top as the host computes them; zero when it cannot.
  PcbRectangleRecord BoundingRect() const;
  virtual void MoveBy(int32_t dx, int32_t dy);
  bool IsNotFromUser() const;
  int32_t Invalidate() const;

  // Flag word, bit fields and flag bytes. The setters marked AndWrite write the record.
  bool GetFlagBit0x0010() const { return FlagBit(0x0010); }
  bool GetBitField2Bit0x10() const { return (FBitField2 & 0x10) != 0; }
  bool GetBitField2Bit0x01() const { return (FBitField2 & 0x01) != 0; }
  bool GetBitField2Bit0x02() const { return (FBitField2 & 0x02) != 0; }
  bool GetBitField2Bit0x08() const { return (FBitField2 & 0x08) != 0; }
  bool GetBitField2Bit0x20() const { return (FBitField2 & 0x20) != 0; }
  bool GetBitField2Bit0x40() const { return (FBitField2 & 0x40) != 0; }
  void SetFlagBit0x0010(bool on) { SetFlagBit(0x0010, on); }
  bool GetFlagBit0x0008() const { return FlagBit(0x0008); }
  int32_t SetFlagBit0x0008AndWrite(bool on);
  bool GetFlagBit0x0100Clear() const { return !FlagBit(0x0100); }
  int32_t SetFlagBit0x0100ClearAndWrite(bool clear);
  bool GetBitField3Bit0x02Or0x04() const { return (FBitField3 & 0x0006) != 0; }
  void SetBitField3Bits0x02And0x04(bool on) { SetBitField3Bit(0x0006, on); }
  bool GetBitField3Bit0x02() const { return (FBitField3 & 0x0002) != 0; }
  void SetBitField3Bit0x02(bool on) { SetBitField3Bit(0x0002, on); }
  bool GetBitField3Bit0x04() const { return (FBitField3 & 0x0004) != 0; }
  void SetBitField3Bit0x04(bool on) { SetBitField3Bit(0x0004, on); }
  bool GetTestPointTop() const { return FlagBit(kPcbFlagTestPointTop); }
  void SetTestPointTop(bool on) { SetFlagBit(kPcbFlagTestPointTop, on); }
  bool GetTestPointBottom() const { return FlagBit(kPcbFlagTestPointBottom); }
  void SetTestPointBottom(bool on) { SetFlagBit(kPcbFlagTestPointBottom, on); }
  // The two flag bytes of pads and vias; false and ignored elsewhere.
  virtual bool GetFlagByte1() const { return false; }
  virtual void SetFlagByte1(bool) {}
  virtual bool GetFlagByte2() const { return false; }
  virtual void SetFlagByte2(bool) {}
  bool GetKeepout() const { return FlagBit(kPcbFlagKeepout); }
  void SetKeepout(bool on) { SetFlagBit(kPcbFlagKeepout, on); }
  bool GetFlagBit0x4000() const { return FlagBit(0x4000); }
  void SetFlagBit0x4000(bool on) { SetFlagBit(0x4000, on); }
  bool GetFlagBit0x8000() const { return FlagBit(0x8000); }
  void SetFlagBit0x8000(bool on) { SetFlagBit(0x8000, on); }

  // Getters. The class-specific ones answer 0, false or empty where a class has no such value.
  PcbHandle GetHandle() const { return FHandle; }
  uint8_t GetObjectKind() const { return FObjectKind; }
  int32_t GetX() const { return FX; }
  int32_t GetY() const { return FY; }
  virtual int32_t GetX2() const { return FX; }
  virtual int32_t GetY2() const { return FY; }
  uint16_t GetFlags() const { return FFlags; }
  uint8_t GetBitField2() const { return FBitField2; }
  uint16_t GetBitField3() const { return FBitField3; }
  uint16_t GetAux16() const { return FAux16; }
  // The layer as a layer number 0..82 (raises ELayerPartitionError for an unknown partition).
  PcbLayerNumber GetLayer() const { return LayerNumberOf(FLayer); }
  PcbLayerId GetLayerId() const { return FLayer; }
  uint8_t GetRoutedState() const { return FRoutedState; }
  PcbHandle GetNet() const { return FNet; }
  uint32_t GetAux32() const { return FAux32; }
  virtual std::string GetName() const { return {}; }
  virtual std::string GetText() const { return {}; }
  virtual double GetRotation() const { return 0; }
  virtual int32_t GetWidth() const { return 0; }
  virtual int32_t GetXSize() const { return 0; }
  virtual int32_t GetYSize() const { return 0; }
  virtual uint8_t GetShape() const { return 0; }
  virtual int32_t GetHoleSize() const { return 0; }
  int32_t GetLeft() const { return BoundingRect().left; }
  int32_t GetBottom() const { return BoundingRect().bottom; }
  int32_t GetRight() const { return BoundingRect().right; }
  int32_t GetTop() const { return BoundingRect().top; }

  // Geometry: the object's rectangle (base: the host's bounding rectangle) and its corners
  // grown by a margin; sizes and shapes per layer number (0 outside 0..82 and for objects
  // without them), and the corners of the object's rectangle sized for one layer.
  virtual TPcbRotatedRect RotatedRect() const;
  std::array<TPcbPoint, 4> Corners(int32_t margin) const;
  virtual int32_t XSizeOnLayer(PcbLayerNumber) const { return 0; }
  virtual int32_t YSizeOnLayer(PcbLayerNumber) const { return 0; }
  int32_t MinSizeOnLayer(PcbLayerNumber layer) const;
  virtual uint8_t ShapeOnLayer(PcbLayerNumber) const { return 0; }
  std::array<TPcbPoint, 4> CornersOnLayer(PcbLayerNumber layer, int32_t margin) const;

  // Setters. The layer setter takes a layer number and stores its ID.
  void SetHandle(PcbHandle handle) { FHandle = handle; }
  void SetX(int32_t x) { FX = x; }
  void SetY(int32_t y) { FY = y; }
  virtual void SetX2(int32_t) {}
  virtual void SetY2(int32_t) {}
  void SetFlags(uint16_t flags) { FFlags = flags; }
  void SetAux16(uint16_t value) { FAux16 = value; }
  void SetLayer(PcbLayerNumber layer) { FLayer = LayerIdOf(layer); }
  void SetLayerId(PcbLayerId id) { FLayer = id; }
  void SetRoutedState(uint8_t state) { FRoutedState = state; }
  void SetNet(PcbHandle net) { FNet = net; }
  void SetAux32(uint32_t value) { FAux32 = value; }
  virtual void SetName(std::string_view) {}
  virtual void SetText(std::string_view) {}
  virtual void SetRotation(double) {}
  virtual void SetWidth(int32_t) {}
  virtual void SetXSize(int32_t) {}
  virtual void SetYSize(int32_t) {}
  virtual void SetShape(uint8_t) {}
  virtual void SetHoleSize(int32_t) {}

protected:
  // The class's own exchanges after the bit fields; the base carries only the common fields.
  virtual int32_t ExchangeRecords(uint8_t message);

  // One record exchange: the common fields that the record has are copied in, the record is
  // exchanged, and they are copied back. A record's layer held as a byte travels as a layer
  // number; its first point (x, y or x1, y1) is FX, FY.
  template <class Function, class Record>
  int32_t ExchangeRecord(uint8_t message, THostEntryPoint<Function>& entry, Record& record) {
    StoreCommonFields(record);
    const int32_t status = CallHost(entry, message, FHandle, &record);
    LoadCommonFields(record);
    return status;
  }

  PcbHandle FHandle;
  uint8_t FObjectKind;
  int32_t FX = 0;
  int32_t FY = 0;
  uint16_t FFlags = 0;
  uint8_t FBitField2 = 0;
  uint16_t FBitField3 = 0;
  uint16_t FAux16 = 0;
  uint8_t FRoutedState = 0;
  PcbHandle FNet = 0;
  uint32_t FAux32 = 0;
  PcbLayerId FLayer = 0;

private:
  bool FlagBit(uint16_t mask) const { return (FFlags & mask) != 0; }
  void SetFlagBit(uint16_t mask, bool on);
  void SetBitField3Bit(uint16_t mask, bool on);
  void ExchangeBitFields(uint8_t message);

  template <class Record>
  void StoreCommonFields(Record& r) const {
    if constexpr (requires { r.flags; }) r.flags = FFlags;
    if constexpr (requires { r.aux16; }) r.aux16 = FAux16;
    if constexpr (requires { r.layer; }) {
      if constexpr (std::is_same_v<decltype(r.layer), PcbLayerNumber>)
        r.layer = LayerNumberOf(FLayer);
      else
        r.layer = FLayer;
    }
    if constexpr (requires { r.net; }) r.net = FNet;
    if constexpr (requires { r.routedState; }) r.routedState = FRoutedState;
    if constexpr (requires { r.aux32; }) r.aux32 = FAux32;
    if constexpr (requires { r.x1; }) {
      r.x1 = FX;
      r.y1 = FY;
    } else if constexpr (requires { r.x; }) {
      r.x = FX;
      r.y = FY;
    }
  }

  template <class Record>
  void LoadCommonFields(const Record& r) {
    if constexpr (requires { r.flags; }) FFlags = r.flags;
    if constexpr (requires { r.aux16; }) FAux16 = r.aux16;
    if constexpr (requires { r.layer; }) {
      if constexpr (std::is_same_v<decltype(r.layer), PcbLayerNumber>)
        FLayer = LayerIdOf(r.layer);
      else
        FLayer = r.layer;
    }
    if constexpr (requires { r.net; }) FNet = r.net;
    if constexpr (requires { r.routedState; }) FRoutedState = r.routedState;
    if constexpr (requires { r.aux32; }) FAux32 = r.aux32;
    if constexpr (requires { r.x1; }) {
      FX = r.x1;
      FY = r.y1;
    } else if constexpr (requires { r.x; }) {
      FX = r.x;
      FY = r.y;
    }
  }
};

// Base of the objects that group others (components, nets, polygons ...); adds nothing.
class TPcbGroupObject : public TPCBObject {
public:
  using TPCBObject::TPCBObject;
};
