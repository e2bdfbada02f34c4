#include "server/ObjectInterface.h"

#include "server/LayerNumbers.h"
#include "server/OutlineObjects.h"
#include "server/PcbModel.h"
#include "server/PcbServerInterface.h"

namespace standin {

template <class Apply>
host::HResult TObjectInterface::ChangeRegion(Apply&& apply) {
  TRegionObject* region = FModel.FindAs<TRegionObject>(FHandle);
  if (!region) return host::kFail;
  bool applied = false;
  FModel.Change(*region, [&] { applied = apply(*region); });
  return applied ? host::kOk : host::kFail;
}

host::HResult TObjectInterface::QueryInterface(const host::TGuid& iid, void** out) {
  if (!out) return host::kFail;
  *out = nullptr;
  const TBoardObject* object = FModel.Find(FHandle);
  if (!object || !(iid == host::IID_IPCB_Net) || object->Kind() != kPcbObjectNet)
    return host::kFail;
  *out = static_cast<host::IPCB_Object*>(this);
  return host::kOk;
}

host::HResult TObjectInterface::GetObjectHandle(PcbHandle* handle) {
  if (!handle) return host::kFail;
  *handle = FHandle;
  return FModel.Find(FHandle) ? host::kOk : host::kFail;
}

host::HResult TObjectInterface::SetKind(int32_t kind) {
  return ChangeRegion([&](TRegionObject& region) {
    region.SetRegionKind(kind);
    return true;
  });
}

host::HResult TObjectInterface::SetKeepout(bool keepout) {
  return ChangeRegion([&](TRegionObject& region) {
    uint16_t& flags = region.Common().Flags;
    flags = static_cast<uint16_t>(keepout ? flags | kPcbFlagKeepout : flags & ~kPcbFlagKeepout);
    return true;
  });
}

host::HResult TObjectInterface::SetLayer(uint32_t layerId) {
  const std::optional<PcbLayerNumber> layer = LayerNumberOfId(layerId);
  if (!layer) return host::kFail;
  return ChangeRegion([&](TRegionObject& region) {
    region.Common().Layer = *layer;
    return true;
  });
}

host::HResult TObjectInterface::SetOutlineContour(host::IPCB_Contour* contour) {
  const TContour* own = FServer.FindContour(contour);
  if (!own) return host::kFail;
  return ChangeRegion(
      [&](TRegionObject& region) { return region.Outline().SetPoints(own->Points()); });
}

}  // namespace standin
