#include "server/ComponentObject.h"

#include <cmath>
#include <cstring>

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

const TComponentObject::TExtras& TComponentObject::NoExtras() {
  static const TExtras none{};
  return none;
}

const TComponentObject::TExtras& TComponentObject::Extras() const {
  return FExtras ? *FExtras : NoExtras();
}

template <class Apply>
void TComponentObject::ChangeExtras(Apply&& apply) {
  if (!FExtras) FExtras = std::make_unique<TExtras>();
  apply(*FExtras);
  // Byte-wise: the records are arrays of bytes and lengths, with no padding between them.
  static_assert(sizeof(TExtras) == sizeof(PcbComponentExRecord) +
                                       sizeof(PcbComponentSourceLinksRecord) +
                                       sizeof(PcbShortString));
  if (std::memcmp(FExtras.get(), &NoExtras(), sizeof(TExtras)) == 0) FExtras.reset();
}

void TComponentObject::Take(const PcbComponentExRecord& record) {
  ChangeExtras([&](TExtras& extras) { extras.Extended = record; });
}

void TComponentObject::Take(const PcbComponentSourceLinksRecord& record) {
  ChangeExtras([&](TExtras& extras) { extras.SourceLinks = record; });
}

void TComponentObject::Take(const PcbShortString& model) {
  ChangeExtras([&](TExtras& extras) { extras.Default3DModel = model; });
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
  const TExtras& extras = Extras();
  ComponentExtraFields(writer, extras.Extended, extras.SourceLinks, extras.Default3DModel);
}

void TComponentObject::ReadFields(TFieldReader& reader) {
  ComponentFields(reader, FRecord, FChannelOffset, FComponentKind);
  ChangeExtras([&](TExtras& extras) {
    ComponentExtraFields(reader, extras.Extended, extras.SourceLinks, extras.Default3DModel);
  });
}

}  // namespace standin
