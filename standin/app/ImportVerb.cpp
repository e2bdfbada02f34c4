// pcbhost import: checks the file and the target, runs the design import (and the exports it
// asks for) in one host session, saves the board and summarizes the call.
#include "app/TranslationVerbs.h"

#include <algorithm>
#include <filesystem>
#include <set>
#include <vector>

#include "app/BoardPicture.h"
#include "app/ExitCodes.h"
#include "app/ImportReports.h"
#include "app/SessionSteps.h"
#include "app/WidePath.h"
#include "app/board_view/BoardDocumentReader.h"

namespace pcbhost {
namespace {

// Asks the plug-in's importer check, as the host's generic file import does before importing.
// Fails with the line for the user when the file is refused or the check cannot be made.
int CheckImportable(THostSession& session, const std::string& design, const std::string& given) {
  host::IPcbFileImporter* importer = FileImporter(session);
  if (!importer) return Fail("the plug-in offers no file importer");
  bool canImport = false;
  const host::HResult status = importer->CanImportFile(WidePath(design).c_str(), &canImport);
  session.ThrowIfMemoryRanOut();
  if (status != host::kOk) return Fail("the plug-in's importer failed on " + given);
  return canImport ? kExitOk : Fail("not a Specctra design: " + given);
}

// The import's own report line, a note when an export of the same call replaced its file,
// and the other reports. Answers the import's report errors.
int AddImportReports(THostSession& session, const std::string& design,
                     const std::vector<TExportReport>& exports, TTranslationSummary& summary) {
  const std::string report = WithExtension(design, "rpt");
  const TImportReports sorted =
      SortImportReports(session.Control().OpenedReports(), report, exports);
  if (sorted.Import) summary.AddReport(*sorted.Import);
  if (!sorted.ReplacedBy.empty())
    summary.AddNote(report + " now holds the " + sorted.ReplacedBy +
                    "'s report; run the import without --rte/--ses to keep its report");
  for (const standin::TOpenedReport& other : sorted.Others) summary.AddReport(other);
  return sorted.Import ? sorted.Import->Counts.Errors : 0;
}

// Ends an import: the summary, then --strict's verdict on the import's report.
int FinishImport(const TTranslationSummary& summary, int reportErrors, bool strict) {
  summary.Print();
  if (strict && reportErrors > 0)
    return Fail("the import's report holds errors (--strict)");
  return kExitOk;
}

// The folders beside the design, to find the one a project import creates.
std::set<std::string> FoldersIn(const std::string& folder) {
  std::set<std::string> folders;
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(folder, ignored))
    if (entry.is_directory()) folders.insert(entry.path().string());
  return folders;
}

int ImportAsProject(THostSession& session, const std::string& design, bool strict) {
  const std::string folder = std::filesystem::path(design).parent_path().string();
  const std::set<std::string> before = FoldersIn(folder);
  host::IPcbFileImporter* importer = FileImporter(session);
  if (!importer) return Fail("the plug-in offers no file importer");
  const host::HResult status = importer->ImportFile(WidePath(design).c_str());
  session.ThrowIfMemoryRanOut();
  if (status != host::kOk) return Fail("the import of " + design + " failed");
  std::string error;
  if (!session.Control().SaveModifiedDocuments(&error)) return Fail("cannot save: " + error);
  TTranslationSummary summary;
  const auto& saved = session.Control().SavedFiles();
  const auto board = std::find_if(saved.begin(), saved.end(), [](const std::string& file) {
    return std::filesystem::path(file).extension() == ".pcbdoc";
  });
  if (board != saved.end()) summary.AddBoard(session.Control(), *board);
  const int reportErrors = AddImportReports(session, design, {}, summary);
  for (const std::string& created : FoldersIn(folder))
    if (!before.count(created)) summary.AddWritten(created);
  AddSavedFiles(session, summary);
  return FinishImport(summary, reportErrors, strict);
}

// "Name=value" for an optional output: the value, or "RenameDSN" for the default beside.
std::string OutputParameter(const char* name, const std::optional<std::string>& value) {
  return std::string(name) + "=" + (value->empty() ? "RenameDSN" : AbsolutePathOf(*value));
}

std::string ImportParameters(const TImportOptions& options, const std::string& design) {
  std::string parameters = "DsnFile=" + design;
  if (options.Routes) parameters += "|" + OutputParameter("RteFile", options.Routes);
  if (options.Session) parameters += "|" + OutputParameter("SesFile", options.Session);
  if (options.AutoRoute) parameters += "|AutoRoute=True";
  if (!options.Merge.empty()) parameters += "|MergeImport=True";
  return parameters;
}

// Where an optional output of the import goes: the file given, else beside the design.
std::string OutputPath(const std::optional<std::string>& value, const std::string& design,
                       const char* extension) {
  return value && !value->empty() ? AbsolutePathOf(*value) : WithExtension(design, extension);
}

// The board document the import saves: the merged board, --out, or the design's name.
std::string TargetBoard(const TImportOptions& options, const std::string& design) {
  if (!options.Merge.empty()) return AbsolutePathOf(options.Merge);
  if (!options.Out.empty()) return AbsolutePathOf(options.Out);
  return WithExtension(design, "pcbdoc");
}

// Gives the new board document its --out name before it is saved.
void RenameNewBoard(THostSession& session, const std::string& created, const std::string& out) {
  host::IServerDocument* document = nullptr;
  if (session.Control().Client()->GetDocumentByPath(created.c_str(), &document) == host::kOk &&
      document)
    document->SetFileName(out.c_str());
}

// The routes and session exports the import runs after it, in their order, and what they write.
std::vector<TExportReport> ImportExports(const TImportOptions& options, const std::string& routes,
                                         const std::string& sessionFile) {
  std::vector<TExportReport> exports;
  if (options.Routes) exports.push_back({WithExtension(routes, "rpt"), "routes export"});
  if (options.Session) exports.push_back({WithExtension(sessionFile, "rpt"), "session export"});
  return exports;
}

// Opens the board to merge into, or makes sure a new board replaces no document unasked.
int PrepareTarget(THostSession& session, const TImportOptions& options, const std::string& board) {
  std::string error;
  if (!options.Merge.empty())
    return session.Control().OpenDocument(board, &error) ? kExitOk : Fail(error);
  if (!options.Force && std::filesystem::exists(board))
    return Fail(board + " exists: --force overwrites it, --merge " + board + " imports into it");
  return kExitOk;
}

// The import into a board document, the exports it asks for, the save and the summary.
int ImportIntoBoard(THostSession& session, const TImportOptions& options,
                    const std::string& design) {
  const std::string board = TargetBoard(options, design);
  if (const int status = PrepareTarget(session, options, board); status != kExitOk) return status;
  const std::string routes = OutputPath(options.Routes, design, "rte");
  const std::string sessionFile = OutputPath(options.Session, design, "ses");
  const TFileState boardBefore(board), routesBefore(routes), sessionBefore(sessionFile);

  if (!session.RunCommand("ImportSpecctraDesignFile", ImportParameters(options, design)))
    return Fail("command ImportSpecctraDesignFile failed on " + design);
  if (options.Merge.empty() && !options.Out.empty())
    RenameNewBoard(session, WithExtension(design, "pcbdoc"), board);
  if (const int status = SaveAndCheck(session, board, boardBefore); status != kExitOk)
    return status;
  if (options.Routes && !routesBefore.WrittenSince()) return Fail(routes + " was not written");
  if (options.Session && !sessionBefore.WrittenSince())
    return Fail(sessionFile + " was not written");

  TTranslationSummary summary;
  summary.AddBoard(session.Control(), board);
  const int reportErrors =
      AddImportReports(session, design, ImportExports(options, routes, sessionFile), summary);
  AddSavedFiles(session, summary);
  if (options.Routes) summary.AddWritten(routes);
  if (options.Session) summary.AddWritten(sessionFile);
  if (options.Svg) {
    // The picture is drawn from the saved document: the file is what it shows.
    TBoardView view;
    std::string picture, error;
    if (!ReadBoardView(board, view, &error) ||
        !DrawBoardPicture(view, board, *options.Svg, picture, &error))
      return Fail(error);
    summary.AddWritten(picture);
  }
  return FinishImport(summary, reportErrors, options.Strict);
}

}  // namespace

int ImportVerb(const TImportOptions& options) {
  std::string error;
  if (!CanReadFile(options.Design, &error))
    return Fail("cannot read " + options.Design + ": " + error);
  const std::string design = AbsolutePathOf(options.Design);
  THostSession session;
  if (!StartSession(session, options.Quiet, &error)) return Fail(error);
  if (const int status = CheckImportable(session, design, options.Design); status != kExitOk)
    return status;
  return options.Project ? ImportAsProject(session, design, options.Strict)
                         : ImportIntoBoard(session, options, design);
}

}  // namespace pcbhost
