// ReturnToHostPCB: writes the routes and session files of the current board, then closes its
// document (or ends the host).
#include "common/AsciiText.h"
#include "plugin/Commands.h"
#include "rtl/HostClient.h"
#include "plugin/HostPcbServer.h"
#include "rtl/Parameters.h"
#include "plugin/RoutesExport.h"
#include "rtl/ClientFileApi.h"
#include "rtl/PcbBoardCalls.h"

void ReturnToHostPCB(void*, const char* parameters) {
  const PcbHandle board = CurrentPcbBoard();
  if (!board) return;
  const std::string pcbFile = BoardFileName(board);
  const std::string rtePath = OutputPathParameter(parameters, "RteFile", pcbFile, "rte");
  const std::string sesPath = OutputPathParameter(parameters, "SesFile", pcbFile, "ses");
  if (!rtePath.empty()) ExportRoutes(rtePath, board);
  if (!sesPath.empty()) ExportSession(sesPath, board);
  host::IServerDocument* document = OpenDocumentOf(pcbFile);
  if (document) document->SetModified(false);
  if (ParameterIsTrue(parameters, "Quit")) {
    host::IServerView* view = nullptr;
    if (HostClient()) HostClient()->GetCurrentView(&view);
    std::string none;
    HostRunProcess("Client:QuitFromEDAClient", none, 0, view);
  } else if (document && HostClient()) {
    HostClient()->CloseDocument(document);
  }
}
