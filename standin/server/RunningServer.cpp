#include "server/RunningServer.h"

#include <memory>

#include "server/PcbServerModule.h"
#include "server/RecordExchange.h"

namespace standin {

// Set with the server and cleared before it goes.
TPcbModel* gRunningModel = nullptr;

namespace {

struct TRunningSlot {
  std::unique_ptr<TPcbServerModule> Module;
  ~TRunningSlot() { gRunningModel = nullptr; }
};

std::unique_ptr<TPcbServerModule>& RunningSlot() {
  static TRunningSlot running;
  return running.Module;
}

}  // namespace

host::HResult StartPcbServer(host::IClient* client, host::IServerModule** module) {
  if (!module) return host::kFail;
  *module = nullptr;
  if (RunningSlot()) return host::kFail;
  RunningSlot() = std::make_unique<TPcbServerModule>(client);
  gRunningModel = &RunningSlot()->Model();
  *module = RunningSlot().get();
  return host::kOk;
}

void StopPcbServer(TPcbServerModule* server) {
  if (!server || RunningSlot().get() != server) return;
  gRunningModel = nullptr;
  RunningSlot().reset();
}

TPcbServerModule* RunningPcbServer() { return RunningSlot().get(); }

PcbHandle CurrentBoardHandle() {
  TPcbServerModule* server = RunningPcbServer();
  if (!server || !server->Client()) return 0;
  host::IServerView* view = nullptr;
  if (server->Client()->GetCurrentView(&view) != host::kOk || !view) return 0;
  host::IServerDocument* document = nullptr;
  if (view->GetDocument(&document) != host::kOk) return 0;
  TPcbDocument* own = server->FindDocument(document);
  return own ? own->Board().Handle() : 0;
}

PcbHandle BoardHandleFromFileName(std::string_view path) {
  TPcbServerModule* server = RunningPcbServer();
  if (!server || path.empty()) return 0;
  TBoard* board = server->Boards().FindByFileName(path);
  return board ? board->Handle() : 0;
}

}  // namespace standin
