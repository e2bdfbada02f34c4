#include "app/Verbs.h"

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/SessionSteps.h"

namespace pcbhost {

bool ParseRunItems(const std::vector<std::string>& items, std::vector<TRunCommand>& commands,
                   std::string* error) {
  commands.clear();
  for (const std::string& item : items) {
    const bool isParameters = item.empty() || item.find('=') != std::string::npos;
    if (!isParameters) {
      commands.push_back({item, ""});
      continue;
    }
    if (commands.empty()) {
      if (error) *error = "parameters before the first command: " + item;
      return false;
    }
    std::string& parameters = commands.back().Parameters;
    if (!parameters.empty() && !item.empty()) parameters += '|';
    parameters += item;
  }
  if (commands.empty() && error) *error = "run needs a command";
  return !commands.empty();
}

namespace {

// The reports the session's commands opened and the documents it saved, on standard output.
void PrintSessionSummary(THostSession& session) {
  TTranslationSummary summary;
  AddOpenedReports(session, summary);
  AddSavedFiles(session, summary);
  summary.Print();
}

}  // namespace

int RunVerb(const TRunOptions& options) {
  std::vector<TRunCommand> commands;
  std::string error;
  if (!ParseRunItems(options.Items, commands, &error)) {
    PrintError(error);
    return kExitUsage;
  }
  THostSession session;
  if (!session.Start(options.Session, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  for (const std::string& document : options.Documents) {
    if (!session.Control().OpenDocument(document, &error)) {
      PrintError(error);
      return kExitFailed;
    }
  }
  for (const TRunCommand& command : commands) {
    if (!session.RunCommand(command.Name, command.Parameters)) {
      PrintError("command " + command.Name + " failed");
      return kExitFailed;
    }
    // The host was asked to end: it does so at once, without saving.
    if (session.Control().QuitRequested()) break;
  }
  if (options.Save && !session.Control().QuitRequested() &&
      !session.Control().SaveModifiedDocuments(&error)) {
    PrintError("cannot save: " + error);
    return kExitFailed;
  }
  PrintSessionSummary(session);
  return kExitOk;
}

}  // namespace pcbhost
