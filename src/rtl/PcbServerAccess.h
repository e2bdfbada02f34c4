// The host's running "PCB" server module and its server interface.
#pragma once

#include "host/PcbServer.h"

// The running "PCB" server module, or nil.
host::IServerModule* PcbServerModule();
// The server interface of the running "PCB" server, or nil.
host::IPCB_ServerInterface* PcbServerInterface();
