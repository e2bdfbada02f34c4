// A document the client holds itself: a text document (reports, token dumps) or a project
// file. A report is recorded in the report log when it is opened and again when its file is
// replaced while open.
#pragma once

#include <string>

#include "client/ClientView.h"
#include "client/ReportLog.h"
#include "host/Client.h"

namespace standin {

class TClientDocument final : public host::IServerDocument {
public:
  TClientDocument(host::IClient& client, TReportLog& reports, std::string kind,
                  std::string fileName);

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetFileName(char* buffer, uint32_t size) override;
  host::HResult SetFileName(const char* path) override;
  host::HResult GetKind(char* buffer, uint32_t size) override;
  host::HResult GetView(const char* viewKind, host::IServerView** view) override;
  host::HResult SetModified(bool modified) override;
  host::HResult GetModified(bool* modified) override;
  host::HResult Focus() override;
  host::HResult NotifyFileReplacing() override;
  host::HResult NotifyFileReplaced() override;

  const std::string& Kind() const { return FKind; }
  const std::string& FileName() const { return FFileName; }
  bool Modified() const { return FModified; }
  // Records the report in the log when the document is a report.
  void AnnounceReport();

private:
  host::IClient& FClient;
  TReportLog& FReports;
  std::string FKind;
  std::string FFileName;
  bool FModified = false;
  TClientView FView;
};

}  // namespace standin
