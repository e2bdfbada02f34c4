// Wrapper of a host class (of nets or of from-tos) with its member names.
#pragma once

#include <vector>

#include "rtl/PcbObject.h"

class TPCBObjectClass : public TPCBObject {
public:
  explicit TPCBObjectClass(PcbHandle handle = 0) : TPCBObject(handle, kPcbObjectClass) {}

  // kPcbClassKindNet or kPcbClassKindFromTo.
  uint8_t GetClassKind() const { return FRecord.classKind; }
  void SetClassKind(uint8_t kind) { FRecord.classKind = kind; }
  std::string GetName() const override;
  void SetName(std::string_view name) override;
  const std::vector<std::string>& GetMembers() const { return FMembers; }
  void AddMember(std::string_view name) { FMembers.emplace_back(name); }
  void ClearMembers() { FMembers.clear(); }

protected:
  // The class record, then the members: reading appends the host's members to the list,
  // writing replaces the host's members by the list. Answers the last member call's status.
  int32_t ExchangeRecords(uint8_t message) override;

private:
  int32_t ReadMembers();
  int32_t WriteMembers();

  PcbClassRecord FRecord{};
  std::vector<std::string> FMembers;
};
