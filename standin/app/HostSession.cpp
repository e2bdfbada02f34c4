#include "app/HostSession.h"

#include <new>

#include "app/ProcessEnd.h"
#include "host/Plugin.h"

namespace pcbhost {
namespace {

bool SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

}  // namespace

THostSession::~THostSession() {
  if (SessionsLeftToProcessEnd()) {
    // Left standing for the end of the process: the client with its board, the plug-in's
    // module and the plug-in library.
    static_cast<void>(FControl.release());
    FPlugin.KeepLoaded();
    return;
  }
  if (FModule) FModule->Release();
}

bool THostSession::Start(const TSessionOptions& options, std::string* error) {
  FControl = standin::CreatePcbClient();
  for (const std::string& answer : options.Answers) FControl->AddDialogAnswer(answer);
  FControl->SetConfirmAnswer(options.Confirm);
  FControl->SetProgressShown(!options.Quiet);

  if (!FPlugin.Load(TPluginLibrary::DefaultPath(), error)) return false;
  const auto factory = reinterpret_cast<ServerFactoryFn>(FPlugin.Symbol("ServerFactory"));
  if (!factory) return SetError(error, "the plug-in " + FPlugin.Path() + " has no ServerFactory");
  const host::HResult created = factory(FControl->Client(), &FModule);
  ThrowIfMemoryRanOut();
  if (created != host::kOk || !FModule) {
    FModule = nullptr;
    return SetError(error, "the plug-in's ServerFactory failed");
  }
  if (FModule->GetCommandLauncher(&FLauncher) != host::kOk || !FLauncher)
    return SetError(error, "the plug-in has no command launcher");
  return true;
}

bool THostSession::RunCommand(const std::string& name, const std::string& parameters) {
  FControl->BeginCommand();
  const host::HResult status =
      FLauncher->LaunchCommand(name.c_str(), parameters.c_str(), 0, nullptr);
  FControl->EndCommand();
  ThrowIfMemoryRanOut();
  return status == host::kOk;
}

void THostSession::ThrowIfMemoryRanOut() const {
  if (FControl->MemoryRanOut()) throw std::bad_alloc();
}

}  // namespace pcbhost
