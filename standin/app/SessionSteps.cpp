#include "app/SessionSteps.h"

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"

namespace pcbhost {

int Fail(const std::string& message) {
  PrintError(message);
  return kExitFailed;
}

bool StartSession(THostSession& session, bool quiet, std::string* error) {
  TSessionOptions options;
  options.Confirm = standin::TConfirmAnswer::No;
  options.Quiet = quiet;
  return session.Start(options, error);
}

bool StartOnBoard(THostSession& session, const std::string& board, bool quiet,
                  std::string* error) {
  return StartSession(session, quiet, error) && session.Control().OpenDocument(board, error);
}

host::IPcbFileImporter* FileImporter(THostSession& session) {
  void* importer = nullptr;
  if (session.PluginModule().QueryInterface(host::IID_IPcbFileImporter, &importer) != host::kOk)
    return nullptr;
  return static_cast<host::IPcbFileImporter*>(importer);
}

int SaveAndCheck(THostSession& session, const std::string& expected, const TFileState& before) {
  std::string error;
  if (!session.Control().SaveModifiedDocuments(&error)) return Fail("cannot save: " + error);
  if (!expected.empty() && !before.WrittenSince()) return Fail(expected + " was not written");
  return kExitOk;
}

void AddOpenedReports(THostSession& session, TTranslationSummary& summary) {
  for (const standin::TOpenedReport& report : session.Control().OpenedReports())
    summary.AddReport(report);
}

void AddSavedFiles(THostSession& session, TTranslationSummary& summary) {
  for (const std::string& file : session.Control().SavedFiles()) summary.AddWritten(file);
}

}  // namespace pcbhost
