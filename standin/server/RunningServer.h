// The running "PCB" server module of the process (at most one), and the board lookups of the
// flat PCB entry points, which reach it from anywhere.
#pragma once

#include <string_view>

#include "host/Client.h"
#include "host/PcbApi.h"

namespace standin {

class TPcbServerModule;

// Starts the server for the client; fails when one is already running.
host::HResult StartPcbServer(host::IClient* client, host::IServerModule** module);
// Stops the server (it is freed); nothing when it is not the running one.
void StopPcbServer(TPcbServerModule* server);
TPcbServerModule* RunningPcbServer();

// The board of the client's current document when that is a PCB document; 0 otherwise.
PcbHandle CurrentBoardHandle();
// The board of the open PCB document with the path; 0 when none is open.
PcbHandle BoardHandleFromFileName(std::string_view path);

}  // namespace standin
