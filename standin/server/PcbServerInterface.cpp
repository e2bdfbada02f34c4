#include "server/PcbServerInterface.h"

#include "server/BoardRegistry.h"

namespace standin {
namespace {

template <class T>
host::HResult AnswerNone(T** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

}  // namespace

host::HResult TPcbServerInterface::QueryInterface(const host::TGuid& iid, void** out) {
  if (!out) return host::kFail;
  *out = nullptr;
  if (!(iid == host::IID_IPCB_ServerInterface)) return host::kFail;
  *out = static_cast<host::IPCB_ServerInterface*>(this);
  return host::kOk;
}

host::HResult TPcbServerInterface::PreProcess() {
  ++FBatchDepth;
  ++FBatchCount;
  return host::kOk;
}

host::HResult TPcbServerInterface::PostProcess() {
  if (FBatchDepth == 0) return host::kFail;
  --FBatchDepth;
  return host::kOk;
}

host::HResult TPcbServerInterface::GetBoardByPath(const char* path, host::IPCB_Board** board) {
  if (!board) return host::kFail;
  *board = nullptr;
  TBoard* found = path ? FBoards.FindByFileName(path) : nullptr;
  if (!found) return host::kFail;
  *board = &found->Interface();
  return host::kOk;
}

host::HResult TPcbServerInterface::GetObjectByHandle(PcbHandle, host::IPCB_Object** object) {
  return AnswerNone(object);
}

host::HResult TPcbServerInterface::CreateObject(int32_t, int32_t, int32_t,
                                                host::IPCB_Object** object) {
  return AnswerNone(object);
}

host::HResult TPcbServerInterface::CreateContour(host::IPCB_Contour** contour) {
  return AnswerNone(contour);
}

host::HResult TPcbServerInterface::DestroyContour(host::IPCB_Contour*) { return host::kFail; }

}  // namespace standin
