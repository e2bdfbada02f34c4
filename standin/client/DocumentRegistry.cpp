#include "client/DocumentRegistry.h"

#include <algorithm>
#include <vector>

#include "common/PathIdentity.h"

namespace standin {

TClientDocument& TDocumentRegistry::AddClientDocument(std::string kind, std::string fileName) {
  FClientDocuments.push_back(
      std::make_unique<TClientDocument>(FClient, FReports, std::move(kind), std::move(fileName)));
  return *FClientDocuments.back();
}

TClientDocument* TDocumentRegistry::FindClientDocument(
    const host::IServerDocument* document) const {
  for (const auto& own : FClientDocuments)
    if (static_cast<const host::IServerDocument*>(own.get()) == document) return own.get();
  return nullptr;
}

std::vector<host::IServerDocument*> TDocumentRegistry::PcbDocuments() const {
  std::vector<host::IServerDocument*> documents;
  int32_t count = 0;
  if (!FPcbServer || FPcbServer->DocumentCount(&count) != host::kOk) return documents;
  for (int32_t i = 0; i < count; ++i) {
    host::IServerDocument* document = nullptr;
    if (FPcbServer->DocumentAt(i, &document) == host::kOk && document)
      documents.push_back(document);
  }
  return documents;
}

host::IServerDocument* TDocumentRegistry::FindByPath(std::string_view path) const {
  for (const auto& own : FClientDocuments)
    if (SamePath(own->FileName(), path)) return own.get();
  for (host::IServerDocument* document : PcbDocuments())
    if (SamePath(DocumentFileName(*document), path)) return document;
  return nullptr;
}

bool TDocumentRegistry::IsOpen(const host::IServerDocument* document) const {
  if (!document) return false;
  if (FindClientDocument(document)) return true;
  const auto pcb = PcbDocuments();
  return std::find(pcb.begin(), pcb.end(), document) != pcb.end();
}

void TDocumentRegistry::Show(host::IServerDocument* document) {
  std::erase(FShowOrder, document);
  FShowOrder.push_back(document);
}

void TDocumentRegistry::Forget(host::IServerDocument* document) {
  std::erase(FShowOrder, document);
  std::erase_if(FClientDocuments, [document](const auto& own) {
    return static_cast<const host::IServerDocument*>(own.get()) == document;
  });
}

host::IServerDocument* TDocumentRegistry::Current() const {
  for (auto it = FShowOrder.rbegin(); it != FShowOrder.rend(); ++it)
    if (IsOpen(*it)) return *it;
  return nullptr;
}

std::string DocumentFileName(host::IServerDocument& document) {
  std::vector<char> buffer(host::kPathBufferSize, '\0');
  if (document.GetFileName(buffer.data(), host::kPathBufferSize) != host::kOk) return {};
  return buffer.data();
}

std::string DocumentKind(host::IServerDocument& document) {
  std::vector<char> buffer(host::kPathBufferSize, '\0');
  if (document.GetKind(buffer.data(), host::kPathBufferSize) != host::kOk) return {};
  return buffer.data();
}

}  // namespace standin
