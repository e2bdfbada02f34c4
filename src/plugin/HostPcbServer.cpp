#include "plugin/HostPcbServer.h"

#include "rtl/HostClient.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbStrings.h"

namespace {
constexpr const char* kPcbServerName = "PCB";
}

host::IServerModule* StartPcbServerModule() {
  if (host::IServerModule* module = PcbServerModule()) return module;
  if (HostClient()) HostClient()->StartServer(kPcbServerName);
  return PcbServerModule();
}

std::string BoardFileName(PcbHandle board) {
  PcbBoardRecord record{};
  if (QueryPcbBoardRecord(kPcbMessageRead, board, record) != kPcbOk) return {};
  return FromPcbString(record.fileName);
}

host::IPCB_Board* PcbBoardInterface(PcbHandle board) {
  host::IPCB_ServerInterface* server = PcbServerInterface();
  host::IPCB_Board* boardInterface = nullptr;
  const std::string fileName = BoardFileName(board);
  if (!server || fileName.empty() ||
      server->GetBoardByPath(fileName.c_str(), &boardInterface) != host::kOk)
    return nullptr;
  return boardInterface;
}

host::IServerDocument* OpenDocumentOf(const std::string& fileName) {
  host::IServerDocument* document = nullptr;
  if (!HostClient() || HostClient()->GetDocumentByPath(fileName.c_str(), &document) != host::kOk)
    return nullptr;
  return document;
}

host::IServerView* PcbEditorViewOf(const std::string& fileName) {
  host::IServerDocument* document = OpenDocumentOf(fileName);
  host::IServerView* view = nullptr;
  if (!document || document->GetView("PcbEditor", &view) != host::kOk) return nullptr;
  return view;
}
