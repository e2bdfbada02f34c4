#include "rtl/PcbServerAccess.h"

#include "rtl/HostClient.h"

host::IServerModule* PcbServerModule() {
  host::IServerModule* module = nullptr;
  host::IClient* client = HostClient();
  if (!client || client->GetServerModule("PCB", &module) != host::kOk) return nullptr;
  return module;
}

host::IPCB_ServerInterface* PcbServerInterface() {
  host::IServerModule* module = PcbServerModule();
  void* server = nullptr;
  if (!module || module->QueryInterface(host::IID_IPCB_ServerInterface, &server) != host::kOk)
    return nullptr;
  return static_cast<host::IPCB_ServerInterface*>(server);
}
