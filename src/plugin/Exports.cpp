// The three functions the plug-in library exports to the host.
#include <cstdint>
#include <string>

#include "common/AsciiText.h"
#include "common/SafeFile.h"
#include "host/Plugin.h"
#include "plugin/BoundaryGuard.h"
#include "plugin/DesignImport.h"
#include "plugin/SpecctraInterface.h"
#include "rtl/PcbApiBinding.h"
#include "rtl/PcbStrings.h"

#define PLUGIN_EXPORT extern "C" __attribute__((visibility("default")))

PLUGIN_EXPORT host::HResult ServerFactory(host::IClient* client, host::IServerModule** module) {
  return GuardedCall([&] {
    if (module) *module = nullptr;
    TSpecctraInterface* created = CreateSpecctraInterface(client);
    if (module) *module = created;
    BindPcbApi();
    return host::kOk;
  });
}

PLUGIN_EXPORT const char* GetPcbImporterDescription() { return "Specctra Design file (*.dsn)"; }

// Imports a .dsn file into the board; 1 when imported. Exceptions stop here (answer 0): one
// escaping into the host would end it.
PLUGIN_EXPORT uint8_t ImportFileIntoPcb(const PcbShortString* fileName,
                                        const PcbShortString* /*secondName*/, PcbHandle board) {
  try {
    if (!fileName) return 0;
    const std::string name = FromPcbString(*fileName);
    if (!FileExists(name)) return 0;
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || !SameTextIgnoringCase(name.substr(dot), ".DSN")) return 0;
    return ImportDesignIntoBoard(name, board) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}
