// A class: of nets or of from-tos (the member kind it was created for), with its members'
// names in the order they were added.
#pragma once

#include <string>
#include <vector>

#include "server/BoardObject.h"

namespace standin {

class TClassObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectClass;
  // memberKind: kPcbClassOfNets or kPcbClassOfFromTos.
  explicit TClassObject(uint8_t memberKind = kPcbClassOfNets);
  static bool IsMemberKind(uint8_t memberKind);

  void Give(PcbClassRecord& record) const { record = FRecord; }
  void Take(const PcbClassRecord& record) { FRecord = record; }
  uint8_t MemberKind() const { return FMemberKind; }
  const std::vector<std::string>& Members() const { return FMembers; }
  void AddMember(std::string name) { FMembers.push_back(std::move(name)); }
  void ClearMembers() { FMembers.clear(); }

  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  uint8_t FMemberKind;
  PcbClassRecord FRecord{};
  std::vector<std::string> FMembers;
};

}  // namespace standin
