// The host client of the stand-in: server modules (the "PCB" server), documents and views,
// the process launcher, the workspace, and the user-interface services on the terminal.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "client/ClientControl.h"
#include "client/CommonDialog.h"
#include "client/Confirmation.h"
#include "client/DocumentRegistry.h"
#include "client/EscapeKey.h"
#include "client/MemoryWatch.h"
#include "client/PcbServerLibrary.h"
#include "client/ProcessLauncher.h"
#include "client/ProgressBar.h"
#include "client/ReportLog.h"
#include "client/Terminal.h"
#include "client/Workspace.h"
#include "host/Client.h"
#include "server/PcbDocumentStore.h"

namespace standin {

class TClient final : public host::IClient, public IClientControl {
public:
  // clock: what the progress bar reads the time from.
  TClient(ITerminal& terminal, TPcbServerLibrary library,
          TProgressBar::TClock clock = std::chrono::steady_clock::now);
  TClient(const TClient&) = delete;
  TClient& operator=(const TClient&) = delete;
  ~TClient() override;

  // host::IClient
  host::HResult GetServerModule(const char* name, host::IServerModule** module) override;
  host::HResult StartServer(const char* name) override;
  host::HResult CreateDocument(const char* kind, const char* fileName, const char* caption,
                               int32_t reserved, host::IServerDocument** document) override;
  host::HResult GetDocumentByPath(const char* path, host::IServerDocument** document) override;
  host::HResult OpenDocument(const char* kind, const char* path,
                             host::IServerDocument** document) override;
  host::HResult GetDocumentKind(const char* path, char* buffer, uint32_t size) override;
  host::HResult GetDefaultExtension(const char* kind, char* buffer, uint32_t size) override;
  host::HResult ShowDocument(host::IServerDocument* document) override;
  host::HResult CloseDocument(host::IServerDocument* document) override;
  host::HResult GetCurrentView(host::IServerView** view) override;
  host::HResult GetMainWindowHandle(uintptr_t* handle) override;
  host::HResult SetStatusText(int32_t panel, const char* text) override;
  host::HResult GetProcessLauncher(host::IProcessLauncher** launcher) override;
  host::HResult GetWorkspace(host::IWorkspace** workspace) override;
  host::HResult ShowMessage(host::TMessageKind kind, const char* caption,
                            const char* text) override;
  host::HResult ConfirmYesNo(const char* text, bool* yes) override;
  host::HResult IsEscapeKeyDown(bool* down) override;

  // IClientControl
  host::IClient* Client() override { return this; }
  void AddDialogAnswer(std::string path) override { FDialog.AddAnswer(std::move(path)); }
  void SetConfirmAnswer(TConfirmAnswer answer) override { FConfirmation.SetAnswer(answer); }
  void SetProgressShown(bool shown) override { FProgressBar.SetShown(shown); }
  bool OpenDocument(const std::string& path, std::string* error) override;
  void BeginCommand() override { FEscapeKey.Arm(); }
  void EndCommand() override { FEscapeKey.Disarm(); }
  bool QuitRequested() const override { return FQuitRequested; }
  bool SaveModifiedDocuments(std::string* error) override;
  bool MemoryRanOut() const override { return TMemoryWatch::MemoryRanOut(); }
  bool CountBoardObjects(const std::string& path, std::vector<std::size_t>& counts,
                         std::string* error) override;
  const std::vector<TOpenedReport>& OpenedReports() const override { return FReports.Reports(); }
  const std::vector<std::string>& SavedFiles() const override { return FSavedFiles; }

  TProcessLauncher& Launcher() { return FLauncher; }
  TWorkspace& Workspace() { return FWorkspace; }
  // The last text of each status-bar panel.
  const std::map<int32_t, std::string>& StatusTexts() const { return FStatusTexts; }

private:
  void RegisterProcesses();
  host::HResult RunCommonDialog(TParameterBuffer& parameters);
  host::HResult SaveObject(TParameterBuffer& parameters, host::IServerView* view);
  host::HResult StartAutorouter(host::IServerView* view);

  bool EnsurePcbServer();
  IPcbDocumentStore* PcbDocumentStore();
  host::HResult OpenDocumentOfKind(const std::string& kind, const std::string& path,
                                   host::IServerDocument** document, std::string* error);
  bool SaveDocument(host::IServerDocument& document, std::string* error);
  // The document of the view, or the current document without one.
  host::IServerDocument* DocumentOfView(host::IServerView* view);

  TMemoryWatch FMemoryWatch;
  ITerminal& FTerminal;
  TPcbServerLibrary FLibrary;
  host::IServerModule* FPcbServer = nullptr;
  TReportLog FReports;
  TDocumentRegistry FDocuments;
  TWorkspace FWorkspace;
  TProcessLauncher FLauncher;
  TCommonDialog FDialog;
  TConfirmation FConfirmation;
  TEscapeKey FEscapeKey;
  TProgressBar FProgressBar;
  bool FQuitRequested = false;
  std::map<int32_t, std::string> FStatusTexts;
  std::vector<std::string> FSavedFiles;
};

}  // namespace standin
