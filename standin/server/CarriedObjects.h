// Kinds whose records the server keeps whole without looking into them: coordinates,
// violations, embedded boards and dimensions (with their references).
#pragma once

#include <vector>

#include "server/BoardObject.h"

namespace standin {

// One record kept as it was written.
template <uint8_t ObjectKind, class Record>
class TCarriedObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = ObjectKind;
  TCarriedObject() : TBoardObject(ObjectKind) {}

  void Give(Record& record) const { record = FRecord; }
  void Take(const Record& record) { FRecord = record; }

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  Record FRecord{};
};

using TCoordinateObject = TCarriedObject<kPcbObjectCoordinate, PcbCoordinateRecord>;
using TViolationObject = TCarriedObject<kPcbObjectViolation, PcbViolationRecord>;
using TEmbeddedBoardObject = TCarriedObject<kPcbObjectEmbeddedBoard, PcbEmbeddedBoardRecord>;

class TDimensionObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectDimension;
  // Bounds the references one dimension can have.
  static constexpr int32_t kMaxReferences = 1 << 12;
  TDimensionObject() : TBoardObject(kKind) {}

  void Give(PcbDimensionRecord& record) const { record = FRecord; }
  void Take(const PcbDimensionRecord& record) { FRecord = record; }
  void Give(PcbExtDimensionRecord& record) const { record = FExtended; }
  void Take(const PcbExtDimensionRecord& record) { FExtended = record; }
  int32_t ReferenceCount() const { return static_cast<int32_t>(FReferences.size()); }
  // Reading needs an existing index; writing one past the last appends.
  bool ReadReference(int32_t index, PcbDimensionReferenceRecord& record) const;
  bool WriteReference(int32_t index, const PcbDimensionReferenceRecord& record);

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  PcbDimensionRecord FRecord{};
  PcbExtDimensionRecord FExtended{};
  std::vector<PcbDimensionReferenceRecord> FReferences;
};

}  // namespace standin
