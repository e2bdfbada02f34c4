#include "client/ClientView.h"

#include "boundary/TextBuffer.h"

namespace standin {

host::HResult TClientView::QueryInterface(const host::TGuid&, void** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

host::HResult TClientView::GetKind(char* buffer, uint32_t size) {
  return CopyToBuffer(FKind, buffer, size);
}

host::HResult TClientView::GetDocument(host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = &FDocument;
  return host::kOk;
}

host::HResult TClientView::Notify() { return host::kOk; }

}  // namespace standin
