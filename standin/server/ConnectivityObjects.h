// Nets and from-tos. A net is named by its record; the primitives on it name it by handle.
#pragma once

#include "server/BoardObject.h"

namespace standin {

class TNetObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectNet;
  TNetObject() : TBoardObject(kKind) {}

  void Give(PcbNetRecord& record) const { record = FRecord; }
  void Take(const PcbNetRecord& record) { FRecord = record; }
  const PcbNetRecord& Record() const { return FRecord; }

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbNetRecord FRecord{};
};

// A from-to of a net: its two points; its net is the object's net.
class TFromToObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectFromTo;
  TFromToObject() : TBoardObject(kKind) {}

  void Give(PcbFromToRecord& record) const { record = FRecord; }
  void Take(const PcbFromToRecord& record) { FRecord = record; }

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbFromToRecord FRecord{};
};

class TManualFromToObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectManualFromTo;
  TManualFromToObject() : TBoardObject(kKind) {}

  void Give(PcbManualFromToRecord& record) const { record = FRecord; }
  void Take(const PcbManualFromToRecord& record) { FRecord = record; }

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbManualFromToRecord FRecord{};
};

}  // namespace standin
