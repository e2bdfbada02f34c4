// The client's open documents: the ones it holds itself (text, projects) and the ones of the
// "PCB" server, found through the server module. Keeps the order in which documents were
// shown; the last shown document still open is the current one.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "client/ClientDocument.h"
#include "client/ReportLog.h"
#include "host/Client.h"

namespace standin {

class TDocumentRegistry {
public:
  TDocumentRegistry(host::IClient& client, TReportLog& reports)
      : FClient(client), FReports(reports) {}

  // The running "PCB" server, whose documents count as open documents; null when none runs.
  void SetPcbServer(host::IServerModule* server) { FPcbServer = server; }

  TClientDocument& AddClientDocument(std::string kind, std::string fileName);
  TClientDocument* FindClientDocument(const host::IServerDocument* document) const;
  host::IServerDocument* FindByPath(std::string_view path) const;
  bool IsOpen(const host::IServerDocument* document) const;
  std::vector<host::IServerDocument*> PcbDocuments() const;

  // Makes the document the current one.
  void Show(host::IServerDocument* document);
  // The document was closed: it leaves the showing order, and a client document is freed.
  void Forget(host::IServerDocument* document);
  host::IServerDocument* Current() const;

private:
  host::IClient& FClient;
  TReportLog& FReports;
  host::IServerModule* FPcbServer = nullptr;
  std::vector<std::unique_ptr<TClientDocument>> FClientDocuments;
  std::vector<host::IServerDocument*> FShowOrder;
};

// The document's file name and kind through its interface.
std::string DocumentFileName(host::IServerDocument& document);
std::string DocumentKind(host::IServerDocument& document);

}  // namespace standin
