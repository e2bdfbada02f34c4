#include "server/ComponentObject.h"

#include <cmath>

#include "server/DocumentFields.h"

namespace standin {
namespace {

template <class V, class R>
void ComponentFields(V& v, R& r, int32_t& channelOffset, uint8_t& componentKind) {
  v("footprint", r.footprint);
  v("x", r.x);
  v("y", r.y);
  v("rotation", r.rotation);
  v("designatorText", r.designatorText);
  v("secondText", r.secondText);
  v("option1", r.option1);
  v("option2", r.option2);
  v("reserved1", r.reserved1);
  v("channelOffset", channelOffset);
  v("componentKind", componentKind);
}

template <class V, class E, class L, class M>
void ComponentExtraFields(V& v, E& extended, L& links, M& model) {
  v("extended", AsHex(extended.bytes));
  v.Group("sourceLinks", [&](auto& g) {
    static constexpr const char* kNames[kPcbComponentSourceLinks] = {
        "link1", "link2", "link3", "link4", "link5", "link6", "link7", "link8"};
    for (int i = 0; i < kPcbComponentSourceLinks; ++i) g(kNames[i], links.links[i]);
  });
  v("default3DModel", model);
}

}  // namespace

bool TComponentObject::Accepts(const PcbComponentRecord& record) const {
  return (record.layer == kTopLayer || record.layer == kBottomLayer) &&
         std::isfinite(record.rotation);
}

void TComponentObject::Take(const PcbComponentRecord& record) {
  const PcbHandle designator = FRecord.designatorText;
  const PcbHandle second = FRecord.secondText;
  FRecord = record;
  FRecord.designatorText = designator;
  FRecord.secondText = second;
}

TPlacement TComponentObject::Placement() const {
  return {static_cast<double>(FRecord.x), static_cast<double>(FRecord.y), FRecord.rotation,
          Common().Layer == kBottomLayer};
}

void TComponentObject::RemoveMember(PcbHandle member) {
  FMembers.Erase(member);
  if (FRecord.designatorText == member) FRecord.designatorText = 0;
  if (FRecord.secondText == member) FRecord.secondText = 0;
}

void TComponentObject::SetTexts(PcbHandle designator, PcbHandle second) {
  FRecord.designatorText = designator;
  FRecord.secondText = second;
}

void TComponentObject::RemapHandles(const THandleMap& map) {
  TBoardObject::RemapHandles(map);
  FRecord.designatorText = map(FRecord.designatorText);
  FRecord.secondText = map(FRecord.secondText);
}

void TComponentObject::WriteFields(TFieldWriter& writer) const {
  int32_t channelOffset = FChannelOffset;
  uint8_t componentKind = FComponentKind;
  ComponentFields(writer, FRecord, channelOffset, componentKind);
  ComponentExtraFields(writer, FExtended, FSourceLinks, FDefault3DModel);
}

void TComponentObject::ReadFields(TFieldReader& reader) {
  ComponentFields(reader, FRecord, FChannelOffset, FComponentKind);
  ComponentExtraFields(reader, FExtended, FSourceLinks, FDefault3DModel);
}

}  // namespace standin
