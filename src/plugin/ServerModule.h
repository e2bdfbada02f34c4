// The frame of a plug-in server module: the client, the module name, the command launcher.
// A concrete module registers its commands and answers for its documents.
#pragma once

#include <memory>
#include <string>

#include "host/Client.h"
#include "plugin/CommandLauncher.h"

class TServerModule : public host::IServerModule {
public:
  TServerModule(host::IClient* client, std::string moduleName);
  TServerModule(const TServerModule&) = delete;
  TServerModule& operator=(const TServerModule&) = delete;
  virtual ~TServerModule();

  // Second construction step: virtual calls are not possible in the constructor.
  void Initialize();

  TCommandLauncher& CommandLauncher() { return *FCommandLauncher; }
  host::IClient* Client() const { return FClient; }

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetModuleName(char* buffer, uint32_t size) override;
  host::HResult GetClient(host::IClient** client) override;
  host::HResult GetCommandLauncher(host::ICommandLauncher** launcher) override;
  host::HResult NewDocument(const char* kind, const char* path,
                            host::IServerDocument** document) override;
  host::HResult DocumentCount(int32_t* count) override;
  host::HResult DocumentAt(int32_t index, host::IServerDocument** document) override;
  host::HResult ProcessIdle() override;

protected:
  virtual host::IServerDocument* CreateServerDocument(const char* kind, const char* path) = 0;
  virtual void RegisterCommands() {}
  virtual void CreateCommandLauncher();

private:
  host::IClient* FClient;
  std::string FModuleName;
  std::unique_ptr<TCommandLauncher> FCommandLauncher;
};

// The module and the client while a module exists (the last one created).
TServerModule* CurrentServerModule();

// Copies a text into a caller's buffer, cut to fit and zero-terminated.
host::HResult CopyToBuffer(const std::string& text, char* buffer, uint32_t size);
