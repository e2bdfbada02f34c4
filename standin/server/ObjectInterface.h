// The COM-style interface of one server object, handed out by the server interface. It holds
// the object's handle only: once the object is destroyed every call fails. The region calls
// (kind, keepout, layer, outline) work on regions.
#pragma once

#include "host/PcbServer.h"

namespace standin {

class TPcbModel;
class TPcbServerInterface;

class TObjectInterface final : public host::IPCB_Region {
public:
  TObjectInterface(TPcbModel& model, TPcbServerInterface& server, PcbHandle handle)
      : FModel(model), FServer(server), FHandle(handle) {}

  // Nets answer IID_IPCB_Net.
  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetObjectHandle(PcbHandle* handle) override;
  host::HResult SetKind(int32_t kind) override;
  host::HResult SetKeepout(bool keepout) override;
  host::HResult SetLayer(uint32_t layerId) override;
  // The contour must be one of the server interface's.
  host::HResult SetOutlineContour(host::IPCB_Contour* contour) override;

private:
  template <class Apply>
  host::HResult ChangeRegion(Apply&& apply);

  TPcbModel& FModel;
  TPcbServerInterface& FServer;
  PcbHandle FHandle;
};

}  // namespace standin
