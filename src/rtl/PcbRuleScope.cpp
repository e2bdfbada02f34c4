#include "rtl/PcbRuleScope.h"

#include <algorithm>

#include "rtl/HostCall.h"

namespace {

// Far beyond any real rule; only bounds what a faulty count could make us allocate.
constexpr int32_t kMaxSubScopes = 1 << 16;

}  // namespace

void TPcbScope::Exchange(uint8_t message) {
  if (message == kPcbMessageRead)
    Read();
  else
    Write();
}

void TPcbScope::Read() {
  PCB_ENTRY_POINT(count, PcbApi_GetState_SubScopesCount);
  PCB_ENTRY_POINT(subScopeAt, PcbApi_GetState_SubscopeAt);
  FSubScopes.clear();
  const int32_t total = std::clamp(CallHost(count, FRule, FScopeNumber), 0, kMaxSubScopes);
  for (int32_t index = 0; index < total; ++index) {
    PcbSubScopeRecord record{};
    CallHost(subScopeAt, FRule, FScopeNumber, index, &record);
    FSubScopes.push_back(record);
  }
}

void TPcbScope::Write() {
  PCB_ENTRY_POINT(deleteAll, PcbApi_SetState_DeleteAllSubScopes);
  PCB_ENTRY_POINT(add, PcbApi_SetState_AddSubscope);
  CallHost(deleteAll, FRule, FScopeNumber);
  for (const PcbSubScopeRecord& record : FSubScopes) CallHost(add, FRule, FScopeNumber, &record);
}
