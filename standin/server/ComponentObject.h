// A component: its records, its placement (location, rotation, side) and its members, the
// primitives it carries. A new component has a designator text and a second text of its own.
// The extended record, the source links and the 3D model name (2.5 KB, rarely set) are held
// only while one of them is set.
#pragma once

#include <memory>
#include <string>

#include "server/BoardObject.h"
#include "server/HandleSet.h"

namespace standin {

class TComponentObject final : public TBoardObject {
public:
  static constexpr uint8_t kKind = kPcbObjectComponent;
  TComponentObject() : TBoardObject(kKind) { Common().Layer = kTopLayer; }

  void Give(PcbComponentRecord& record) const { record = FRecord; }
  // The side is TopLayer or BottomLayer; the rotation a number.
  bool Accepts(const PcbComponentRecord& record) const;
  // The two text handles are the component's own and stay.
  void Take(const PcbComponentRecord& record);
  void Give(PcbComponentExRecord& record) const { record = Extras().Extended; }
  void Take(const PcbComponentExRecord& record);
  void Give(PcbComponentSourceLinksRecord& record) const { record = Extras().SourceLinks; }
  void Take(const PcbComponentSourceLinksRecord& record);
  void Give(PcbShortString& model) const { model = Extras().Default3DModel; }
  void Take(const PcbShortString& model);
  int32_t ChannelOffset() const { return FChannelOffset; }
  void SetChannelOffset(int32_t offset) { FChannelOffset = offset; }
  uint8_t ComponentKind() const { return FComponentKind; }
  void SetComponentKind(uint8_t kind) { FComponentKind = kind; }
  const PcbComponentRecord& Record() const { return FRecord; }

  TPlacement Placement() const;

  // The primitives it carries, in creation order.
  const THandleSet& Members() const { return FMembers; }
  void AddMember(PcbHandle member) { FMembers.Insert(member); }
  // A member that leaves also leaves the designator or second text it was.
  void RemoveMember(PcbHandle member);
  void SetTexts(PcbHandle designator, PcbHandle second);

  void RemapHandles(const THandleMap& map) override;
  void WriteFields(TFieldWriter& writer) const override;
  void ReadFields(TFieldReader& reader) override;

private:
  struct TExtras {
    PcbComponentExRecord Extended{};
    PcbComponentSourceLinksRecord SourceLinks{};
    PcbShortString Default3DModel{};
  };

  static const TExtras& NoExtras();
  // The extras as they are, all zero when none is held.
  const TExtras& Extras() const;
  // Applies a change to the extras; they are dropped again when it leaves them all zero.
  template <class Apply>
  void ChangeExtras(Apply&& apply);

  int32_t FChannelOffset = 0;
  uint8_t FComponentKind = 0;
  PcbComponentRecord FRecord{};
  std::unique_ptr<TExtras> FExtras;
  THandleSet FMembers;
};

}  // namespace standin
