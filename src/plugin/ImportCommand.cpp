// ImportSpecctraDesignFile: imports a design into a new board document (or the current board)
// and then, as asked, updates nets, starts the router and writes routes and session files.
#include "common/AsciiText.h"
#include "host/PcbServer.h"
#include "plugin/Commands.h"
#include "plugin/DesignImport.h"
#include "plugin/FileDialogs.h"
#include "rtl/HostClient.h"
#include "plugin/HostPcbServer.h"
#include "rtl/Parameters.h"
#include "rtl/TranslationState.h"
#include "report/ReportManager.h"
#include "plugin/RoutesExport.h"
#include "rtl/ClientFileApi.h"
#include "rtl/PcbApiBinding.h"
#include "rtl/PcbBoardCalls.h"

namespace {

constexpr uint32_t kProcessBufferSize = 255;

std::string MissingFileQuestion(const char* what, const std::string& name, const char* more) {
  return CutText(std::string(what) + "\n\r" + name + " doesn't exist.\n\rDo you want to locate the file yourself?" +
                 more);
}

// The design file: the parameter's file, or one the user locates; empty when given up.
std::string DesignPathFrom(const char* parameters) {
  std::string path;
  if (!GetParameterValue(parameters, "DsnFile", path)) return AskDesignFile(path) ? path : "";
  if (ClientFileExists(path)) return path;
  if (!HostConfirmYesNo(MissingFileQuestion("Specctra design file", path, ""))) return "";
  return AskDesignFile(path) ? path : "";
}

// The do file is checked and asked for; the router's do-file step has nothing to do here.
void CheckDoFile(const char* parameters) {
  std::string doPath;
  if (!GetParameterValue(parameters, "DoFileName", doPath) || ClientFileExists(doPath)) return;
  if (HostConfirmYesNo(MissingFileQuestion("Specctra do file", doPath,
                                           "\r\n\r\nChoosing NO will imply routing without do file.")))
    AskDoFile(doPath);
}

// The board to import into: the current one, or a new document beside the design.
PcbHandle TargetBoard(const std::string& dsnPath, bool merge, bool autoRoute) {
  if (merge) return CurrentPcbBoard();
  const std::string pcbPath = ClientForceExtension(dsnPath, "pcbdoc");
  host::IServerDocument* document = nullptr;
  if (host::IServerModule* module = PcbServerModule())
    module->NewDocument(autoRoute ? "NAVRO" : "PCB", pcbPath.c_str(), &document);
  if (document) HostClient()->ShowDocument(document);
  return PcbBoardFromFileName(pcbPath);
}

void RunBoardProcess(const char* process, std::string parameters, PcbHandle board) {
  HostRunProcess(process, parameters, kProcessBufferSize, PcbEditorViewOf(BoardFileName(board)));
}

}  // namespace

void ImportSpecctraDesignFile(void*, const char* parameters) {
  const bool autoRoute = ParameterIsTrue(parameters, "AutoRoute");
  SetReportEnabled(!autoRoute);
  const std::string dsnPath = DesignPathFrom(parameters);
  if (dsnPath.empty()) return;
  const std::string rtePath = OutputPathParameter(parameters, "RteFile", dsnPath, "rte");
  const std::string sesPath = OutputPathParameter(parameters, "SesFile", dsnPath, "ses");
  CheckDoFile(parameters);

  StartPcbServerModule();
  BindPcbApi();
  if (!PcbServerModule()) {
    HostShowMessage(host::TMessageKind::Information, "Information", "PCB server is not running");
    return;
  }
  const PcbHandle board = TargetBoard(dsnPath, ParameterIsTrue(parameters, "MergeImport"), autoRoute);
  if (!ImportDesignIntoBoard(dsnPath, board)) return;
  if (FreePrimitiveFlag())
    RunBoardProcess("PCB:Netlist", "Action=UpdateFreePrimitiveNets|Mode=Silent", board);
  if (autoRoute) RunBoardProcess("PCB:Autoroute", "Action=Start|BaseGrid=1", board);
  if (!rtePath.empty()) ExportRoutes(rtePath, board);
  if (!sesPath.empty()) ExportSession(sesPath, board);
}
