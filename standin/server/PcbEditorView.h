// The editor view of a PCB document ("PcbEditor").
#pragma once

#include "host/Client.h"

namespace standin {

inline constexpr const char* kPcbEditorViewKind = "PcbEditor";

class TPcbEditorView final : public host::IServerView {
public:
  explicit TPcbEditorView(host::IServerDocument& document) : FDocument(document) {}

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetKind(char* buffer, uint32_t size) override;
  host::HResult GetDocument(host::IServerDocument** document) override;
  host::HResult Notify() override;

  int NotifyCount() const { return FNotifyCount; }

private:
  host::IServerDocument& FDocument;
  int FNotifyCount = 0;
};

}  // namespace standin
