#include "server/CarriedObjects.h"

#include "server/DocumentFields.h"

namespace standin {
namespace {

template <class V, class R, class E, class L>
void DimensionFields(V& v, R& record, E& extended, L& references) {
  v("record", AsHex(record.bytes));
  v("extended", AsHex(extended.bytes));
  v.List("references", references, [](auto& g, auto& reference) {
    g("record", AsHex(reference.bytes));
  });
}

}  // namespace

template <uint8_t ObjectKind, class Record>
void TCarriedObject<ObjectKind, Record>::WriteFields(TFieldWriter& writer) const {
  writer("record", AsHex(FRecord.bytes));
}

template <uint8_t ObjectKind, class Record>
void TCarriedObject<ObjectKind, Record>::ReadFields(TFieldReader& reader) {
  reader("record", AsHex(FRecord.bytes));
}

template class TCarriedObject<kPcbObjectCoordinate, PcbCoordinateRecord>;
template class TCarriedObject<kPcbObjectViolation, PcbViolationRecord>;
template class TCarriedObject<kPcbObjectEmbeddedBoard, PcbEmbeddedBoardRecord>;

bool TDimensionObject::ReadReference(int32_t index, PcbDimensionReferenceRecord& record) const {
  if (index < 0 || index >= ReferenceCount()) return false;
  record = FReferences[static_cast<std::size_t>(index)];
  return true;
}

bool TDimensionObject::WriteReference(int32_t index, const PcbDimensionReferenceRecord& record) {
  if (index < 0 || index > ReferenceCount() || index >= kMaxReferences) return false;
  if (index == ReferenceCount())
    FReferences.push_back(record);
  else
    FReferences[static_cast<std::size_t>(index)] = record;
  return true;
}

void TDimensionObject::WriteFields(TFieldWriter& writer) const {
  DimensionFields(writer, FRecord, FExtended, FReferences);
}

void TDimensionObject::ReadFields(TFieldReader& reader) {
  DimensionFields(reader, FRecord, FExtended, FReferences);
  if (FReferences.size() > static_cast<std::size_t>(kMaxReferences))
    reader.Fail("references", "has more than " + std::to_string(kMaxReferences) + " entries");
}

}  // namespace standin
