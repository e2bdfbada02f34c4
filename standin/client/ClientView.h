// The view of a document that the client itself holds (text editor, project view).
#pragma once

#include <string>

#include "host/Client.h"

namespace standin {

class TClientView final : public host::IServerView {
public:
  TClientView(std::string kind, host::IServerDocument& document)
      : FKind(std::move(kind)), FDocument(document) {}

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetKind(char* buffer, uint32_t size) override;
  host::HResult GetDocument(host::IServerDocument** document) override;
  host::HResult Notify() override;

  const std::string& Kind() const { return FKind; }

private:
  std::string FKind;
  host::IServerDocument& FDocument;
};

}  // namespace standin
