// IPCB_ServerInterface of the "PCB" server module: modification batches, board lookup by
// document path, objects by handle, new objects (regions among them) and contours.
#pragma once

#include <memory>
#include <unordered_map>
#include <vector>

#include "host/PcbServer.h"
#include "server/Contour.h"
#include "server/ObjectInterface.h"

namespace standin {

class TPcbModel;

class TPcbServerInterface final : public host::IPCB_ServerInterface {
public:
  explicit TPcbServerInterface(TPcbModel& model);
  ~TPcbServerInterface();

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult PreProcess() override;
  host::HResult PostProcess() override;
  host::HResult GetBoardByPath(const char* path, host::IPCB_Board** board) override;
  host::HResult GetObjectByHandle(PcbHandle handle, host::IPCB_Object** object) override;
  // A new object of the kind in no container, like PcbApi_CreateObject; for a region (kind 11)
  // the interface is an IPCB_Region. The options are not used.
  host::HResult CreateObject(int32_t kind, int32_t option1, int32_t option2,
                             host::IPCB_Object** object) override;
  host::HResult CreateContour(host::IPCB_Contour** contour) override;
  host::HResult DestroyContour(host::IPCB_Contour* contour) override;

  // One of the contours this interface made and has not destroyed, or null.
  const TContour* FindContour(const host::IPCB_Contour* contour) const;

  // Batches begun and not yet ended, and batches begun in all.
  int BatchDepth() const { return FBatchDepth; }
  int BatchCount() const { return FBatchCount; }

private:
  TObjectInterface& InterfaceOf(PcbHandle handle);

  TPcbModel& FModel;
  int FBatchDepth = 0;
  int FBatchCount = 0;
  std::unordered_map<PcbHandle, std::unique_ptr<TObjectInterface>> FObjects;
  std::vector<std::unique_ptr<TContour>> FContours;
};

}  // namespace standin
