#include "rtl/PcbCarriedObjects.h"

#include <algorithm>

namespace {

// Bounds what a faulty reference count could make us allocate.
constexpr int32_t kMaxReferences = 1 << 16;

}  // namespace

int32_t TPcbEmbeddedBoard::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryEmbeddedBoard);
  return ExchangeRecord(message, query, FRecord);
}

int32_t TPcbCoordinate::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryCoordinate);
  return ExchangeRecord(message, query, FRecord);
}

// Reading takes as many references as the host has; writing gives back those it still has.
int32_t TPcbDimension::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryDimension);
  PCB_ENTRY_POINT(referenceCount, PcbApi_References_Count);
  PCB_ENTRY_POINT(referenceAt, PcbApi_References_At);
  PCB_ENTRY_POINT(extended, PcbApi_QueryExtDimension);
  const int32_t status = ExchangeRecord(message, query, FRecord);
  const int32_t count = std::clamp(CallHost(referenceCount, FHandle), 0, kMaxReferences);
  if (message == kPcbMessageRead) FReferences.assign(static_cast<std::size_t>(count), {});
  const std::size_t exchanged = std::min(FReferences.size(), static_cast<std::size_t>(count));
  for (std::size_t i = 0; i < exchanged; ++i)
    CallHost(referenceAt, message, FHandle, static_cast<int32_t>(i), &FReferences[i]);
  CallHost(extended, message, FHandle, &FExtended);
  return status;
}

int32_t TPcbViolation::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryViolation);
  return ExchangeRecord(message, query, FRecord);
}
