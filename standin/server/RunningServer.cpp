#include "server/RunningServer.h"

#include <memory>

#include "server/PcbServerModule.h"
#include "server/RecordExchange.h"

namespace standin {
namespace {

std::unique_ptr<TPcbServerModule>& RunningSlot() {
  static std::unique_ptr<TPcbServerModule> running;
  return running;
}

}  // namespace

host::HResult StartPcbServer(host::IClient* client, host::IServerModule** module) {
  if (!module) return host::kFail;
  *module = nullptr;
  if (RunningSlot()) return host::kFail;
  RunningSlot() = std::make_unique<TPcbServerModule>(client);
  *module = RunningSlot().get();
  return host::kOk;
}

void StopPcbServer(TPcbServerModule* server) {
  if (server && RunningSlot().get() == server) RunningSlot().reset();
}

TPcbServerModule* RunningPcbServer() { return RunningSlot().get(); }

TPcbModel* ServerModel() {
  TPcbServerModule* server = RunningPcbServer();
  return server ? &server->Model() : nullptr;
}

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
