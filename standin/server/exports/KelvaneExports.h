// Entry points of the PCB server library beyond the PcbApi_* of the host interface: the ones
// the stand-in client uses to start the "PCB" server and to receive its progress.
#pragma once

#include "host/Client.h"
#include "server/ProgressSink.h"

#define KELVANE_EXPORT __attribute__((visibility("default")))

extern "C" {
// Starts the "PCB" server module for the client (one per process).
KELVANE_EXPORT host::HResult Kelvane_StartPcbServer(host::IClient* client,
                                                    host::IServerModule** module);
// Installs where the PcbApi_Percent_* calls go; null removes it.
KELVANE_EXPORT void Kelvane_SetProgressSink(standin::IProgressSink* sink);
}
