#include "app/TranslationVerbs.h"

#include <filesystem>
#include <set>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/FileState.h"
#include "app/HostSession.h"
#include "app/TranslationSummary.h"
#include "app/Verbs.h"
#include "app/WidePath.h"
#include "host/Plugin.h"

namespace pcbhost {
namespace {

// "Name=value" for an optional output: the value, or "RenameDSN" for the default beside.
std::string OutputParameter(const char* name, const std::optional<std::string>& value) {
  return std::string(name) + "=" + (value->empty() ? "RenameDSN" : AbsolutePathOf(*value));
}

// The folders beside the design, to find the one a project import creates.
std::set<std::string> FoldersIn(const std::string& folder) {
  std::set<std::string> folders;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
    if (entry.is_directory()) folders.insert(entry.path().string());
  return folders;
}

// Starts a session with the board open as the current document.
bool StartOnBoard(THostSession& session, const std::string& board, std::string* error) {
  TSessionOptions options;
  options.Confirm = standin::TConfirmAnswer::No;
  return session.Start(options, error) && session.Control().OpenDocument(board, error);
}

int Fail(const std::string& message) {
  PrintError(message);
  return kExitFailed;
}

int SaveAndCheck(THostSession& session, const std::string& expected, const TFileState& before) {
  std::string error;
  if (!session.Control().SaveModifiedDocuments(&error)) return Fail("cannot save: " + error);
  if (!expected.empty() && !before.WrittenSince())
    return Fail(expected + " was not written");
  return kExitOk;
}

int ImportAsProject(const std::string& design) {
  const std::string folder = std::filesystem::path(design).parent_path().string();
  const std::set<std::string> before = FoldersIn(folder);
  THostSession session;
  std::string error;
  TSessionOptions options;
  options.Confirm = standin::TConfirmAnswer::No;
  if (!session.Start(options, &error)) return Fail(error);
  void* importer = nullptr;
  if (session.PluginModule().QueryInterface(host::IID_IPcbFileImporter, &importer) != host::kOk ||
      !importer)
    return Fail("the plug-in offers no file importer");
  const std::wstring wide = WidePath(design);
  if (static_cast<host::IPcbFileImporter*>(importer)->ImportFile(wide.c_str()) != host::kOk)
    return Fail("the import of " + design + " failed");
  if (!session.Control().SaveModifiedDocuments(&error)) return Fail("cannot save: " + error);
  TTranslationSummary summary;
  for (const std::string& created : FoldersIn(folder)) {
    if (before.count(created)) continue;
    summary.AddWritten(created);
    for (const auto& entry : std::filesystem::directory_iterator(created))
      if (entry.path().extension() == ".pcbdoc") summary.AddBoard(entry.path().string());
  }
  summary.AddReportOf(design);
  summary.Print();
  return kExitOk;
}

}  // namespace

int ImportVerb(const TImportOptions& options) {
  std::string error;
  if (!CanReadFile(options.Design, &error)) return Fail("cannot read " + options.Design + ": " + error);
  const std::string design = AbsolutePathOf(options.Design);
  if (options.Project) return ImportAsProject(design);

  std::string parameters = "DsnFile=" + design;
  if (options.Routes) parameters += "|" + OutputParameter("RteFile", options.Routes);
  if (options.Session) parameters += "|" + OutputParameter("SesFile", options.Session);
  if (options.AutoRoute) parameters += "|AutoRoute=True";
  if (!options.Merge.empty()) parameters += "|MergeImport=True";

  THostSession session;
  TSessionOptions sessionOptions;
  sessionOptions.Confirm = standin::TConfirmAnswer::No;
  if (!session.Start(sessionOptions, &error)) return Fail(error);
  std::string board = options.Merge.empty() ? WithExtension(design, "pcbdoc") : AbsolutePathOf(options.Merge);
  if (!options.Merge.empty() && !session.Control().OpenDocument(board, &error)) return Fail(error);
  const std::string routes = options.Routes && !options.Routes->empty() ? AbsolutePathOf(*options.Routes)
                                                                        : WithExtension(design, "rte");
  const std::string sessionFile = options.Session && !options.Session->empty()
                                      ? AbsolutePathOf(*options.Session)
                                      : WithExtension(design, "ses");
  const TFileState routesBefore(routes), sessionBefore(sessionFile);

  if (!session.RunCommand("ImportSpecctraDesignFile", parameters))
    return Fail("command ImportSpecctraDesignFile failed on " + design);
  if (!options.Out.empty() && options.Merge.empty()) {
    host::IServerDocument* document = nullptr;
    const std::string out = AbsolutePathOf(options.Out);
    if (session.Control().Client()->GetDocumentByPath(board.c_str(), &document) == host::kOk && document) {
      document->SetFileName(out.c_str());
      board = out;
    }
  }
  const TFileState boardBefore(board);
  if (const int status = SaveAndCheck(session, board, boardBefore); status != kExitOk) return status;

  TTranslationSummary summary;
  summary.AddBoard(board);
  summary.AddReportOf(design);
  summary.AddWritten(board);
  if (options.Routes) {
    if (!routesBefore.WrittenSince()) return Fail(routes + " was not written");
    summary.AddWritten(routes);
  }
  if (options.Session) {
    if (!sessionBefore.WrittenSince()) return Fail(sessionFile + " was not written");
    summary.AddWritten(sessionFile);
  }
  summary.Print();
  if (options.Svg) return RenderVerb(board, options.Svg->empty() ? "" : AbsolutePathOf(*options.Svg));
  return kExitOk;
}

namespace {

int ExportVerb(const TExportOptions& options, const char* command, const char* outputName,
               const char* extension) {
  std::string error;
  if (!CanReadFile(options.Board, &error)) return Fail("cannot read " + options.Board + ": " + error);
  const std::string board = AbsolutePathOf(options.Board);
  const std::string out = options.Out.empty() ? WithExtension(board, extension) : AbsolutePathOf(options.Out);
  THostSession session;
  if (!StartOnBoard(session, board, &error)) return Fail(error);
  const TFileState before(out);
  if (!session.RunCommand(command, "PcbFileName=" + board + "|" + outputName + "=" + out))
    return Fail(std::string("command ") + command + " failed on " + board);
  if (const int status = SaveAndCheck(session, out, before); status != kExitOk) return status;
  TTranslationSummary summary;
  summary.AddBoard(board);
  summary.AddReportOf(out);
  summary.AddWritten(out);
  summary.Print();
  return kExitOk;
}

}  // namespace

int ExportRoutesVerb(const TExportOptions& options) {
  return ExportVerb(options, "ExportSpecctraRouteFile", "RteFileName", "rte");
}

int ExportSessionVerb(const TExportOptions& options) {
  return ExportVerb(options, "ExportSpecctraSessionFile", "SesFileName", "ses");
}

int EmbeddedVerb(const TEmbeddedOptions& options) {
  std::string error;
  if (!CanReadFile(options.Board, &error)) return Fail("cannot read " + options.Board + ": " + error);
  const std::string board = AbsolutePathOf(options.Board);
  const std::string out = AbsolutePathOf(options.Out);
  THostSession session;
  if (!StartOnBoard(session, board, &error)) return Fail(error);
  const TFileState before(out);
  const bool ran = options.Delete ? session.RunCommand("DeleteEmbeddedObjects", "")
                                  : session.RunCommand("ViewEmbeddedObjects", out.empty() ? "" : "File=" + out);
  if (!ran) return Fail("the embedded-object command failed on " + board);
  if (const int status = SaveAndCheck(session, out, before); status != kExitOk) return status;
  TTranslationSummary summary;
  summary.AddBoard(board);
  if (!out.empty()) summary.AddWritten(out);
  summary.Print();
  return kExitOk;
}

}  // namespace pcbhost
