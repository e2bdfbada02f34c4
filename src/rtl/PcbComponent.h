// Wrapper of a host component. Its layer travels as a layer number; its name is the text of
// its designator text object.
#pragma once

#include "rtl/PcbObject.h"

class TPcbComponent : public TPcbGroupObject {
public:
  explicit TPcbComponent(PcbHandle handle = 0) : TPcbGroupObject(handle, kPcbObjectComponent) {}

  // The designator's text, read from the host each time.
  std::string GetName() const override;
  PcbHandle GetDesignatorText() const { return FRecord.designatorText; }
  void SetDesignatorText(PcbHandle text) { FRecord.designatorText = text; }
  PcbHandle GetSecondText() const { return FRecord.secondText; }
  std::string GetFootprint() const;
  void SetFootprint(std::string_view footprint);
  uint8_t GetOption1() const { return FRecord.option1; }
  void SetOption1(uint8_t option) { FRecord.option1 = option; }
  uint8_t GetOption2() const { return FRecord.option2; }
  void SetOption2(uint8_t option) { FRecord.option2 = option; }
  double GetRotation() const override { return FRecord.rotation; }
  void SetRotation(double rotation) override { FRecord.rotation = rotation; }
  int32_t GetChannelOffset() const { return FChannelOffset; }
  uint8_t GetComponentKind() const { return FComponentKind; }

protected:
  // Channel offset, component kind, the component record, its extended record, source links
  // and default 3D model; answers the component record's status.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  int32_t FChannelOffset = 0;
  uint8_t FComponentKind = 0;
  PcbComponentRecord FRecord{};
  PcbComponentExRecord FExtended{};
  PcbComponentSourceLinksRecord FSourceLinks{};
  PcbShortString FDefault3DModel{};
};
