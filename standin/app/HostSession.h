// One host session: the client, the plug-in loaded into it, and its command launcher.
// Commands run by name, one after another, on the same client.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/PluginLibrary.h"
#include "client/ClientControl.h"
#include "host/Client.h"

namespace pcbhost {

struct TSessionOptions {
  // Answers for the file dialogs, in order.
  std::vector<std::string> Answers;
  standin::TConfirmAnswer Confirm = standin::TConfirmAnswer::Ask;
  // Draw no progress bar.
  bool Quiet = false;
};

class THostSession {
public:
  THostSession() = default;
  THostSession(const THostSession&) = delete;
  THostSession& operator=(const THostSession&) = delete;
  // Releases the plug-in's module, unloads the plug-in, then ends the client; or, when
  // sessions are left to the end of the process (ProcessEnd.h), leaves all three standing.
  ~THostSession();

  // Makes the client and loads the plug-in into it; false with a reason.
  bool Start(const TSessionOptions& options, std::string* error);

  standin::IClientControl& Control() { return *FControl; }
  host::IServerModule& PluginModule() { return *FModule; }

  // Runs the command with its parameter text; false when the launcher reports a failure.
  // Throws std::bad_alloc when memory ran out during the command.
  bool RunCommand(const std::string& name, const std::string& parameters);

  // Throws std::bad_alloc when memory ran out during the session: what the plug-in built since
  // may be incomplete and must not be saved, and its failures are that one failure.
  void ThrowIfMemoryRanOut() const;

private:
  std::unique_ptr<standin::IClientControl> FControl;
  TPluginLibrary FPlugin;
  host::IServerModule* FModule = nullptr;
  host::ICommandLauncher* FLauncher = nullptr;
};

}  // namespace pcbhost
