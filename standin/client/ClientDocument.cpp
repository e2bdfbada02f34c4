#include "client/ClientDocument.h"

#include "boundary/TextBuffer.h"
#include "client/DocumentKinds.h"
#include "common/AsciiText.h"

namespace standin {

TClientDocument::TClientDocument(host::IClient& client, TReportLog& reports, std::string kind,
                                 std::string fileName)
    : FClient(client),
      FReports(reports),
      FKind(std::move(kind)),
      FFileName(std::move(fileName)),
      FView(ViewKindOfDocumentKind(FKind), *this) {}

host::HResult TClientDocument::QueryInterface(const host::TGuid&, void** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

host::HResult TClientDocument::GetFileName(char* buffer, uint32_t size) {
  return CopyToBuffer(FFileName, buffer, size);
}

host::HResult TClientDocument::SetFileName(const char* path) {
  if (!path || !*path) return host::kFail;
  FFileName = path;
  return host::kOk;
}

host::HResult TClientDocument::GetKind(char* buffer, uint32_t size) {
  return CopyToBuffer(FKind, buffer, size);
}

host::HResult TClientDocument::GetView(const char* viewKind, host::IServerView** view) {
  if (!view) return host::kFail;
  *view = nullptr;
  if (!viewKind || !SameTextIgnoringCase(viewKind, FView.Kind())) return host::kFail;
  *view = &FView;
  return host::kOk;
}

host::HResult TClientDocument::SetModified(bool modified) {
  FModified = modified;
  return host::kOk;
}

host::HResult TClientDocument::GetModified(bool* modified) {
  if (!modified) return host::kFail;
  *modified = FModified;
  return host::kOk;
}

host::HResult TClientDocument::Focus() { return FClient.ShowDocument(this); }

host::HResult TClientDocument::NotifyFileReplacing() { return host::kOk; }

host::HResult TClientDocument::NotifyFileReplaced() {
  AnnounceReport();
  return host::kOk;
}

void TClientDocument::AnnounceReport() {
  if (SameTextIgnoringCase(FKind, kTextKind) && IsReportPath(FFileName))
    FReports.Record(FFileName);
}

}  // namespace standin
