#include "plugin/ServerModule.h"

#include <algorithm>
#include <cstring>

#include "plugin/BoundaryGuard.h"
#include "rtl/HostClient.h"

namespace {
TServerModule* gModule = nullptr;
}

TServerModule* CurrentServerModule() { return gModule; }

host::HResult CopyToBuffer(const std::string& text, char* buffer, uint32_t size) {
  if (!buffer || size == 0) return host::kFail;
  const std::size_t length = std::min<std::size_t>(text.size(), size - 1);
  std::memcpy(buffer, text.data(), length);
  buffer[length] = '\0';
  return host::kOk;
}

TServerModule::TServerModule(host::IClient* client, std::string moduleName)
    : FClient(client), FModuleName(std::move(moduleName)) {
  SetHostClient(client);
  gModule = this;
}

TServerModule::~TServerModule() {
  if (gModule == this) {
    gModule = nullptr;
    SetHostClient(nullptr);
  }
}

void TServerModule::Initialize() {
  CreateCommandLauncher();
  RegisterCommands();
  // The host's main window would own the plug-in's dialogs; there are none on this platform.
}

void TServerModule::CreateCommandLauncher() {
  FCommandLauncher = std::make_unique<TCommandLauncher>(FModuleName);
}

host::HResult TServerModule::QueryInterface(const host::TGuid& /*iid*/, void** out) {
  if (out) *out = nullptr;
  return host::kFail;
}

host::HResult TServerModule::GetModuleName(char* buffer, uint32_t size) {
  return CopyToBuffer(FModuleName, buffer, size);
}

host::HResult TServerModule::GetClient(host::IClient** client) {
  if (!client) return host::kFail;
  *client = FClient;
  return host::kOk;
}

host::HResult TServerModule::GetCommandLauncher(host::ICommandLauncher** launcher) {
  if (!launcher) return host::kFail;
  *launcher = FCommandLauncher.get();
  return host::kOk;
}

host::HResult TServerModule::NewDocument(const char* kind, const char* path,
                                         host::IServerDocument** document) {
  return GuardedCall([&] {
    if (!document) return host::kFail;
    *document = CreateServerDocument(kind ? kind : "", path ? path : "");
    return *document ? host::kOk : host::kFail;
  });
}

host::HResult TServerModule::DocumentCount(int32_t* count) {
  if (!count) return host::kFail;
  *count = 0;
  return host::kOk;
}

host::HResult TServerModule::DocumentAt(int32_t /*index*/, host::IServerDocument** document) {
  if (document) *document = nullptr;
  return host::kFail;
}

host::HResult TServerModule::ProcessIdle() { return host::kOk; }
