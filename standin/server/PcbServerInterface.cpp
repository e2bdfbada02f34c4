#include "server/PcbServerInterface.h"

#include <algorithm>
#include <limits>

#include "server/PcbModel.h"

namespace standin {
namespace {

template <class T>
host::HResult AnswerNone(T** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

}  // namespace

TPcbServerInterface::TPcbServerInterface(TPcbModel& model) : FModel(model) {}

TPcbServerInterface::~TPcbServerInterface() = default;

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
  TBoard* found = path ? FModel.Boards().FindByFileName(path) : nullptr;
  if (!found) return host::kFail;
  *board = &found->Interface();
  return host::kOk;
}

TObjectInterface& TPcbServerInterface::InterfaceOf(PcbHandle handle) {
  std::unique_ptr<TObjectInterface>& slot = FObjects[handle];
  if (!slot) slot = std::make_unique<TObjectInterface>(FModel, *this, handle);
  return *slot;
}

host::HResult TPcbServerInterface::GetObjectByHandle(PcbHandle handle, host::IPCB_Object** object) {
  if (!object) return host::kFail;
  if (!FModel.Find(handle)) return AnswerNone(object);
  *object = &InterfaceOf(handle);
  return host::kOk;
}

host::HResult TPcbServerInterface::CreateObject(int32_t kind, int32_t, int32_t,
                                                host::IPCB_Object** object) {
  if (!object) return host::kFail;
  const PcbHandle handle = kind > 0 && kind <= std::numeric_limits<uint8_t>::max()
                               ? FModel.CreateObject(static_cast<uint8_t>(kind))
                               : 0;
  if (handle == 0) return AnswerNone(object);
  *object = &InterfaceOf(handle);
  return host::kOk;
}

host::HResult TPcbServerInterface::CreateContour(host::IPCB_Contour** contour) {
  if (!contour) return host::kFail;
  FContours.push_back(std::make_unique<TContour>());
  *contour = FContours.back().get();
  return host::kOk;
}

host::HResult TPcbServerInterface::DestroyContour(host::IPCB_Contour* contour) {
  const auto found = std::find_if(FContours.begin(), FContours.end(),
                                  [&](const auto& own) { return own.get() == contour; });
  if (found == FContours.end()) return host::kFail;
  FContours.erase(found);
  return host::kOk;
}

const TContour* TPcbServerInterface::FindContour(const host::IPCB_Contour* contour) const {
  for (const auto& own : FContours)
    if (own.get() == contour) return own.get();
  return nullptr;
}

}  // namespace standin
