// The routes and session export commands, and the design export and route import commands,
// which only ask for their file.
#include <algorithm>

#include "common/AsciiText.h"
#include "plugin/Commands.h"
#include "plugin/FileDialogs.h"
#include "plugin/HostPcbServer.h"
#include "rtl/Parameters.h"
#include "plugin/RoutesExport.h"
#include "rtl/ClientFileApi.h"
#include "rtl/PcbBoardCalls.h"

namespace {

// Exports one file of the board named by PcbFileName (or the current board): the output is
// the named parameter, or the file chosen in the dialog.
template <class Ask, class Export>
void ExportCommand(const char* parameters, const char* outputName, const char* extension,
                   Ask ask, Export exportFile) {
  std::string pcbFile;
  if (!GetParameterValue(parameters, "PcbFileName", pcbFile)) pcbFile = CurrentPcbFileName();
  if (pcbFile.empty()) return;
  std::string outputPath;
  if (!GetParameterValue(parameters, outputName, outputPath)) {
    outputPath = ClientForceExtension(pcbFile, extension);
    if (!ask(outputPath)) return;
  }
  const PcbHandle board = PcbBoardFromFileName(pcbFile);
  if (board) exportFile(outputPath, board);
}

// The current board's file with blanks made underscores and the extension, for a dialog.
std::string ProposedPath(const std::string& pcbFile, const char* extension) {
  std::string path = pcbFile;
  std::replace(path.begin(), path.end(), ' ', '_');
  return ClientForceExtension(path, extension);
}

}  // namespace

void ExportSpecctraRouteFile(void*, const char* parameters) {
  ExportCommand(parameters, "RteFileName", "rte", AskNewRouteFile, ExportRoutes);
}

void ExportSpecctraSessionFile(void*, const char* parameters) {
  ExportCommand(parameters, "SesFileName", "ses", AskNewSessionFile, ExportSession);
}

void ExportData(void*, const char* parameters) {
  std::string pcbFile;
  PcbHandle board = 0;
  if (GetParameterValue(parameters, "PcbFileName", pcbFile)) {
    if (!pcbFile.empty()) board = PcbBoardFromFileName(pcbFile);
  } else {
    board = CurrentPcbBoard();
    pcbFile = board ? BoardFileName(board) : std::string();
  }
  if (!board || pcbFile.empty()) return;
  const std::string rtePath = OutputPathParameter(parameters, "RteFile", pcbFile, "rte");
  const std::string sesPath = OutputPathParameter(parameters, "SesFile", pcbFile, "ses");
  if (!rtePath.empty()) ExportRoutes(rtePath, board);
  if (!sesPath.empty()) ExportSession(sesPath, board);
}

void ExportSpecctraDesignFile(void*, const char* parameters) {
  std::string designFile, pcbFile;
  if (GetParameterValue(parameters, "DesignFileName", designFile) &&
      GetParameterValue(parameters, "PcbFileName", pcbFile))
    return;
  pcbFile = CurrentPcbFileName();
  if (pcbFile.empty()) return;
  std::string path = ProposedPath(pcbFile, "dsn");
  AskNewDesignFile(path);  // the design export itself is not part of the plug-in
}

void ImportSpecctraRouteFile(void*, const char* parameters) {
  std::string routeFile, pcbFile;
  if (GetParameterValue(parameters, "RouteFileName", routeFile) &&
      GetParameterValue(parameters, "PcbFileName", pcbFile))
    return;
  pcbFile = CurrentPcbFileName();
  if (pcbFile.empty()) return;
  std::string path = ProposedPath(pcbFile, "rte");
  if (!AskRouteFile(path)) return;
  // A status file beside the routes would be read here; the route import is not part of the
  // plug-in.
  (void)ClientFileExists(ClientForceExtension(path, "STS"));
}
