#include "model/library/ViaPlaneContacts.h"

#include "common/AsciiText.h"
#include "model/base/BoardHelpers.h"
#include "rtl/PcbBoard.h"

namespace {

constexpr PcbLayerNumber kFirstInternalPlane = kInternalPlane1;
constexpr PcbLayerNumber kLastInternalPlane = kInternalPlane16;

}  // namespace

TViaPlaneContacts::TViaPlaneContacts(PcbHandle board) {
  TPcbBoard pcb(board);
  pcb.Update(kPcbMessageRead);
  for (PcbLayerNumber layer = kFirstInternalPlane; layer <= kLastInternalPlane; ++layer) {
    const TInternalPlane* plane = pcb.InternalPlane(layer);
    if (!plane || !pcb.IsInStack(*plane)) continue;
    FContacts[AsciiUpperText(plane->GetPlaneNetName())] +=
        " " + HostLayerName(board, LayerIdOf(layer));
  }
}

const std::string& TViaPlaneContacts::ContactsOf(std::string_view netName) const {
  static const std::string kNone;
  const auto found = FContacts.find(AsciiUpperText(netName));
  return found == FContacts.end() ? kNone : found->second;
}
