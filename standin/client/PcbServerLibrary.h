// The PCB server library's entry points the client calls: given to the client when it is made,
// so that the client library binds the exported ones and tests the linked-in ones.
#pragma once

#include "host/Client.h"
#include "server/ProgressSink.h"

namespace standin {

struct TPcbServerLibrary {
  host::HResult (*StartServer)(host::IClient* client, host::IServerModule** module) = nullptr;
  void (*SetProgressSink)(IProgressSink* sink) = nullptr;
};

}  // namespace standin
