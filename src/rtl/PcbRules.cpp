#include "rtl/PcbRules.h"

#include "rtl/PcbStrings.h"

namespace {

constexpr int32_t kNewRuleValue = -1;
constexpr std::string_view kAllObjects = "All";

int32_t ExchangeRuleName(uint8_t message, PcbHandle rule, PcbShortString& name) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleExtEx);
  return CallHost(query, message, rule, &name);
}

}  // namespace

int32_t TPcbRule::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRule);
  return ExchangeRecord(message, query, FRecord);
}

TPcbRuleEx::TPcbRuleEx(PcbHandle handle) : TPCBObject(handle, kPcbObjectRule) {
  FLayer = LayerIdOf(kMultiLayer);
  FRecord.reserved2 = kNewRuleValue;
  FRecord.scope1 = ToPcbString(kAllObjects);
  FRecord.scope2 = ToPcbString(kAllObjects);
}

std::string TPcbRuleEx::GetName() const { return FromPcbString(FName); }
void TPcbRuleEx::SetName(std::string_view name) { FName = ToPcbString(name); }
std::string TPcbRuleEx::GetScope1() const { return FromPcbString(FRecord.scope1); }
void TPcbRuleEx::SetScope1(std::string_view expression) {
  FRecord.scope1 = ToPcbString(expression);
}
std::string TPcbRuleEx::GetScope2() const { return FromPcbString(FRecord.scope2); }
void TPcbRuleEx::SetScope2(std::string_view expression) {
  FRecord.scope2 = ToPcbString(expression);
}

int32_t TPcbRuleEx::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleEx);
  if (ExchangeRecord(message, query, FRecord) == kPcbFail) return kPcbFail;
  return ExchangeRuleName(message, FHandle, FName);
}

std::string TPcbRuleExt::GetName() const { return FromPcbString(FName); }
void TPcbRuleExt::SetName(std::string_view name) { FName = ToPcbString(name); }

int32_t TPcbRuleExt::ExchangeRecords(uint8_t message) {
  const int32_t recordStatus = QueryRuleExt(message, FHandle, FRecord);
  const int32_t nameStatus = ExchangeRuleName(message, FHandle, FName);
  if (recordStatus == kPcbFail) return kPcbFail;
  if (nameStatus != kPcbFail) {
    for (TPcbScope* scope : {&FScope1, &FScope2}) {
      scope->SetRule(FHandle);
      scope->Exchange(message);
    }
  }
  return nameStatus;
}

int32_t QueryRuleExt(uint8_t message, PcbHandle rule, PcbRuleExtRecord& record) {
  PCB_ENTRY_POINT(query, PcbApi_QueryRuleExt);
  return CallHost(query, message, rule, &record);
}
