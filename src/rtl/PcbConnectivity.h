// Wrappers of host nets and the two kinds of from-to.
#pragma once

#include "rtl/PcbObject.h"

class TPcbNet : public TPcbGroupObject {
public:
  explicit TPcbNet(PcbHandle handle = 0) : TPcbGroupObject(handle, kPcbObjectNet) {}
  std::string GetName() const override;
  void SetName(std::string_view name) override;

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbNetRecord FRecord{};
};

// A from-to of a net, from (FX, FY) to (X2, Y2); its net is the object's net.
class TPcbFromTo : public TPCBObject {
public:
  explicit TPcbFromTo(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectFromTo) {}
  int32_t GetX2() const override { return FRecord.x2; }
  int32_t GetY2() const override { return FRecord.y2; }
  void SetX2(int32_t x) override { FRecord.x2 = x; }
  void SetY2(int32_t y) override { FRecord.y2 = y; }

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbFromToRecord FRecord{};
};

// A from-to that the user drew, held as three texts.
class TPcbManualFromTo : public TPCBObject {
public:
  explicit TPcbManualFromTo(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectManualFromTo) {}
  std::string GetText1() const;
  std::string GetText2() const;
  std::string GetText3() const;

protected:
  int32_t ExchangeRecords(uint8_t message) override;

private:
  PcbManualFromToRecord FRecord{};
};
