#include "server/ClassObject.h"

#include "server/DocumentFields.h"

namespace standin {
namespace {

template <class V, class R, class M>
void ClassFields(V& v, R& r, M& members, uint8_t& memberKind) {
  v("classKind", r.classKind);
  v("name", r.name);
  v("members", members);
  v("memberKind", memberKind);
  v("reserved1", r.reserved1);
}

}  // namespace

TClassObject::TClassObject(uint8_t memberKind) : TBoardObject(kKind), FMemberKind(memberKind) {
  FRecord.classKind = memberKind == kPcbClassOfFromTos ? kPcbClassKindFromTo : kPcbClassKindNet;
}

bool TClassObject::IsMemberKind(uint8_t memberKind) {
  return memberKind == kPcbClassOfNets || memberKind == kPcbClassOfFromTos;
}

void TClassObject::WriteFields(TFieldWriter& writer) const {
  uint8_t memberKind = FMemberKind;
  ClassFields(writer, FRecord, FMembers, memberKind);
}

void TClassObject::ReadFields(TFieldReader& reader) {
  ClassFields(reader, FRecord, FMembers, FMemberKind);
  if (!IsMemberKind(FMemberKind))
    reader.Fail("memberKind", "is neither nets (8) nor from-tos (17)");
}

}  // namespace standin
