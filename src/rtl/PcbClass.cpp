#include "rtl/PcbClass.h"

#include "rtl/PcbStrings.h"

namespace {

// Far beyond any real class; only stops a host that never answers the end of the list.
constexpr int32_t kMaxMembers = 1 << 20;

}  // namespace

std::string TPCBObjectClass::GetName() const { return FromPcbString(FRecord.name); }

void TPCBObjectClass::SetName(std::string_view name) { FRecord.name = ToPcbString(name); }

int32_t TPCBObjectClass::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryClass);
  ExchangeRecord(message, query, FRecord);
  return message == kPcbMessageRead ? ReadMembers() : WriteMembers();
}

int32_t TPCBObjectClass::ReadMembers() {
  PCB_ENTRY_POINT(memberAt, PcbApi_GetMemberFromClassAt);
  int32_t status = kPcbFail;
  for (int32_t index = 0; index < kMaxMembers; ++index) {
    PcbShortString name{};
    status = CallHostOr(kPcbFail, memberAt, FHandle, index, &name);
    if (status != kPcbOk) break;
    FMembers.push_back(FromPcbString(name));
  }
  return status;
}

int32_t TPCBObjectClass::WriteMembers() {
  PCB_ENTRY_POINT(removeAll, PcbApi_RemoveAllMembersFromClass);
  PCB_ENTRY_POINT(add, PcbApi_AddMemberToClass);
  int32_t status = CallHostOr(kPcbFail, removeAll, FHandle);
  for (const std::string& member : FMembers) {
    const PcbShortString name = ToPcbString(member);
    status = CallHostOr(kPcbFail, add, FHandle, &name);
  }
  return status;
}
