#include "server/BoardInterface.h"

#include <string>

#include "server/Board.h"

namespace standin {
namespace {

// "object 12" for an object with a handle, "none" without one.
std::string DescribeObject(host::IPCB_Object* object) {
  PcbHandle handle = 0;
  if (!object || object->GetObjectHandle(&handle) != host::kOk) return "none";
  return "object " + std::to_string(handle);
}

}  // namespace

host::HResult TBoardInterface::QueryInterface(const host::TGuid& iid, void** out) {
  if (!out) return host::kFail;
  *out = nullptr;
  if (!(iid == host::IID_IPCB_Board)) return host::kFail;
  *out = static_cast<host::IPCB_Board*>(this);
  return host::kOk;
}

host::HResult TBoardInterface::GetBoardHandle(PcbHandle* handle) {
  if (!handle) return host::kFail;
  *handle = FBoard.Handle();
  return host::kOk;
}

host::HResult TBoardInterface::GetBoardIdentifier(int32_t* identifier) {
  if (!identifier) return host::kFail;
  *identifier = static_cast<int32_t>(FBoard.Handle());
  return host::kOk;
}

host::HResult TBoardInterface::SendMessage(int32_t target, int32_t source, int32_t message,
                                           host::IPCB_Object* data) {
  FBoard.RecordCall("SendMessage(" + std::to_string(target) + ", " + std::to_string(source) + ", " +
                    std::to_string(message) + ", " + DescribeObject(data) + ")");
  return host::kOk;
}

host::HResult TBoardInterface::SetOption(const char* name, bool on) {
  FBoard.RecordCall("SetOption(" + std::string(name ? name : "") + ", " + (on ? "on" : "off") +
                    ")");
  return host::kOk;
}

host::HResult TBoardInterface::SetCurrentLayer(uint8_t layerNumber) {
  FBoard.RecordCall("SetCurrentLayer(" + std::to_string(layerNumber) + ")");
  return host::kOk;
}

host::HResult TBoardInterface::RefreshAfterImport() {
  FBoard.RecordCall("RefreshAfterImport()");
  return host::kOk;
}

host::HResult TBoardInterface::AcceptImportedObject(host::IUnknownLike* object) {
  void* net = nullptr;
  const char* what = "none";
  if (object)
    what = object->QueryInterface(host::IID_IPCB_Net, &net) == host::kOk ? "net" : "other";
  FBoard.RecordCall(std::string("AcceptImportedObject(") + what + ")");
  return host::kOk;
}

}  // namespace standin
