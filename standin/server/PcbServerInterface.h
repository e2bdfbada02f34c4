// IPCB_ServerInterface of the "PCB" server module: modification batches and board lookup.
// Objects, contours and regions come with the board model; until then those calls fail.
#pragma once

#include "host/PcbServer.h"

namespace standin {

class TBoardRegistry;

class TPcbServerInterface final : public host::IPCB_ServerInterface {
public:
  explicit TPcbServerInterface(TBoardRegistry& boards) : FBoards(boards) {}

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult PreProcess() override;
  host::HResult PostProcess() override;
  host::HResult GetBoardByPath(const char* path, host::IPCB_Board** board) override;
  host::HResult GetObjectByHandle(PcbHandle handle, host::IPCB_Object** object) override;
  host::HResult CreateObject(int32_t kind, int32_t option1, int32_t option2,
                             host::IPCB_Object** object) override;
  host::HResult CreateContour(host::IPCB_Contour** contour) override;
  host::HResult DestroyContour(host::IPCB_Contour* contour) override;

  // Batches begun and not yet ended, and batches begun in all.
  int BatchDepth() const { return FBatchDepth; }
  int BatchCount() const { return FBatchCount; }

private:
  TBoardRegistry& FBoards;
  int FBatchDepth = 0;
  int FBatchCount = 0;
};

}  // namespace standin
