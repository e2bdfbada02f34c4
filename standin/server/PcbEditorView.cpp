#include "server/PcbEditorView.h"

#include "boundary/TextBuffer.h"

namespace standin {

host::HResult TPcbEditorView::QueryInterface(const host::TGuid&, void** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

host::HResult TPcbEditorView::GetKind(char* buffer, uint32_t size) {
  return CopyToBuffer(kPcbEditorViewKind, buffer, size);
}

host::HResult TPcbEditorView::GetDocument(host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = &FDocument;
  return host::kOk;
}

host::HResult TPcbEditorView::Notify() {
  ++FNotifyCount;
  return host::kOk;
}

}  // namespace standin
