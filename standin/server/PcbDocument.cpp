#include "server/PcbDocument.h"

#include "boundary/TextBuffer.h"
#include "common/AsciiText.h"
#include "server/Board.h"

namespace standin {

TPcbDocument::TPcbDocument(host::IClient* client, std::string kind, TBoard& board)
    : FClient(client), FKind(std::move(kind)), FBoard(board), FView(*this) {}

host::HResult TPcbDocument::QueryInterface(const host::TGuid&, void** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

host::HResult TPcbDocument::GetFileName(char* buffer, uint32_t size) {
  return CopyToBuffer(FBoard.FileName(), buffer, size);
}

host::HResult TPcbDocument::SetFileName(const char* path) {
  if (!path || !*path) return host::kFail;
  FBoard.SetFileName(path);
  return host::kOk;
}

host::HResult TPcbDocument::GetKind(char* buffer, uint32_t size) {
  return CopyToBuffer(FKind, buffer, size);
}

host::HResult TPcbDocument::GetView(const char* viewKind, host::IServerView** view) {
  if (!view) return host::kFail;
  *view = nullptr;
  if (!viewKind || !SameTextIgnoringCase(viewKind, kPcbEditorViewKind)) return host::kFail;
  *view = &FView;
  return host::kOk;
}

host::HResult TPcbDocument::SetModified(bool modified) {
  FBoard.SetModified(modified);
  return host::kOk;
}

host::HResult TPcbDocument::GetModified(bool* modified) {
  if (!modified) return host::kFail;
  *modified = FBoard.Modified();
  return host::kOk;
}

host::HResult TPcbDocument::Focus() { return FClient ? FClient->ShowDocument(this) : host::kFail; }

host::HResult TPcbDocument::NotifyFileReplacing() { return host::kOk; }
host::HResult TPcbDocument::NotifyFileReplaced() { return host::kOk; }

}  // namespace standin
