// pcbhost export-routes, export-session and embedded: one command of the plug-in on an open
// board, then the summary.
#include "app/TranslationVerbs.h"

#include <iostream>

#include "app/ExitCodes.h"
#include "app/SessionSteps.h"
#include "app/TemporaryFile.h"
#include "client/TerminalText.h"
#include "common/SafeFile.h"

namespace pcbhost {
namespace {

int ExportVerb(const TExportOptions& options, const char* command, const char* outputName,
               const char* extension) {
  std::string error;
  if (!CanReadFile(options.Board, &error))
    return Fail("cannot read " + options.Board + ": " + error);
  const std::string board = AbsolutePathOf(options.Board);
  const std::string out =
      options.Out.empty() ? WithExtension(board, extension) : AbsolutePathOf(options.Out);
  THostSession session;
  if (!StartOnBoard(session, board, options.Quiet, &error)) return Fail(error);
  const TFileState before(out);
  if (!session.RunCommand(command, "PcbFileName=" + board + "|" + outputName + "=" + out))
    return Fail(std::string("command ") + command + " failed on " + board);
  if (const int status = SaveAndCheck(session, out, before); status != kExitOk) return status;
  TTranslationSummary summary;
  summary.AddBoard(session.Control(), board);
  AddOpenedReports(session, summary);
  AddSavedFiles(session, summary);
  summary.AddWritten(out);
  summary.Print();
  return kExitOk;
}

// Lists the translator data into a temporary file and prints it on standard output, its line
// breaks made plain.
int PrintEmbeddedObjects(THostSession& session, const std::string& board) {
  TTemporaryFile listing("pcbhost-embedded-");
  if (listing.Path().empty()) return Fail("cannot create a temporary file for the listing");
  const TFileState before(listing.Path());
  if (!session.RunCommand("ViewEmbeddedObjects", "File=" + listing.Path()))
    return Fail("command ViewEmbeddedObjects failed on " + board);
  if (const int status = SaveAndCheck(session, listing.Path(), before); status != kExitOk)
    return status;
  std::string error;
  const auto text = ReadWholeFile(listing.Path(), &error);
  if (!text) return Fail("cannot read the listing: " + error);
  std::cout << standin::TerminalText(*text);
  std::cout.flush();
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
  if (!CanReadFile(options.Board, &error))
    return Fail("cannot read " + options.Board + ": " + error);
  const std::string board = AbsolutePathOf(options.Board);
  THostSession session;
  if (!StartOnBoard(session, board, false, &error)) return Fail(error);
  if (!options.Delete && options.Out.empty()) return PrintEmbeddedObjects(session, board);
  const std::string out = options.Delete ? "" : AbsolutePathOf(options.Out);
  const TFileState before(out);
  const bool ran = options.Delete ? session.RunCommand("DeleteEmbeddedObjects", "")
                                  : session.RunCommand("ViewEmbeddedObjects", "File=" + out);
  if (!ran) return Fail("the embedded-object command failed on " + board);
  if (const int status = SaveAndCheck(session, out, before); status != kExitOk) return status;
  TTranslationSummary summary;
  summary.AddBoard(session.Control(), board);
  AddSavedFiles(session, summary);
  if (!out.empty()) summary.AddWritten(out);
  summary.Print();
  return kExitOk;
}

}  // namespace pcbhost
