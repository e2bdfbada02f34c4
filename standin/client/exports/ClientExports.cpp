// The exported entry points of libpcbclient.so: the ClientAPI_* file helpers and the factory
// of the client, bound to the PCB server library it links. Exceptions stop here.
#include "boundary/GuardedCall.h"
#include "client/Client.h"
#include "client/ClientFileHelpers.h"
#include "client/StdioTerminal.h"
#include "server/exports/KelvaneExports.h"

#define CLIENT_EXPORT __attribute__((visibility("default")))

namespace standin {

CLIENT_EXPORT std::unique_ptr<IClientControl> CreatePcbClient() {
  static TStdioTerminal terminal;
  return std::make_unique<TClient>(
      terminal, TPcbServerLibrary{Kelvane_StartPcbServer, Kelvane_SetProgressSink});
}

}  // namespace standin

extern "C" {

CLIENT_EXPORT bool ClientAPI_ExistSpecific(const char* path) {
  return standin::GuardedCall(false, [&] { return standin::ExistSpecific(path); });
}

CLIENT_EXPORT uint32_t ClientAPI_ExtractFileNameFromPath(const char* path, char* buffer,
                                                         uint32_t size) {
  return standin::GuardedCall(uint32_t{0},
                              [&] { return standin::ExtractFileNameFromPath(path, buffer, size); });
}

CLIENT_EXPORT uint32_t ClientAPI_ExtractWholeFileNameFromPath(const char* path, char* buffer,
                                                              uint32_t size) {
  return standin::GuardedCall(
      uint32_t{0}, [&] { return standin::ExtractWholeFileNameFromPath(path, buffer, size); });
}

CLIENT_EXPORT uint32_t ClientAPI_ForceFileNameExtension(const char* path, const char* extension,
                                                        char* buffer, uint32_t size) {
  return standin::GuardedCall(
      uint32_t{0}, [&] { return standin::ForceFileNameExtension(path, extension, buffer, size); });
}

}  // extern "C"
