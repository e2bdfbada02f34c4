// The host's "PCB" server module: its PCB documents (one board each) and the model that holds
// their boards and objects, the server interface, and the document store the stand-in client
// opens, saves and closes board documents with.
// Created by StartPcbServer; Release stops it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "host/Client.h"
#include "server/PcbModel.h"
#include "server/PcbDocument.h"
#include "server/PcbDocumentStore.h"
#include "server/PcbServerInterface.h"

namespace standin {

inline constexpr const char* kPcbServerName = "PCB";

class TPcbServerModule final : public host::IServerModule, public IPcbDocumentStore {
public:
  explicit TPcbServerModule(host::IClient* client);
  TPcbServerModule(const TPcbServerModule&) = delete;
  TPcbServerModule& operator=(const TPcbServerModule&) = delete;
  ~TPcbServerModule();

  // IServerModule
  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult GetModuleName(char* buffer, uint32_t size) override;
  host::HResult GetClient(host::IClient** client) override;
  host::HResult GetCommandLauncher(host::ICommandLauncher** launcher) override;
  host::HResult NewDocument(const char* kind, const char* path,
                            host::IServerDocument** document) override;
  host::HResult DocumentCount(int32_t* count) override;
  host::HResult DocumentAt(int32_t index, host::IServerDocument** document) override;
  host::HResult ProcessIdle() override;
  host::HResult Release() override;

  // IPcbDocumentStore
  host::HResult LoadDocument(const char* path, host::IServerDocument** document) override;
  host::HResult SaveDocument(host::IServerDocument* document) override;
  host::HResult CloseDocument(host::IServerDocument* document) override;
  host::HResult CountObjects(host::IServerDocument* document, uint64_t* counts,
                             uint32_t size) override;
  host::HResult GetLastError(char* buffer, uint32_t size) override;

  host::IClient* Client() const { return FClient; }
  TPcbModel& Model() { return FModel; }
  TBoardRegistry& Boards() { return FModel.Boards(); }
  TPcbServerInterface& ServerInterface() { return FServerInterface; }
  // The module's own document behind a document pointer, or null.
  TPcbDocument* FindDocument(const host::IServerDocument* document) const;
  TPcbDocument* FindDocumentByPath(const std::string& path) const;

private:
  TPcbDocument& AddDocument(const std::string& kind, const std::string& path);
  host::HResult Fail(std::string error);

  host::IClient* FClient;
  TPcbModel FModel;
  TPcbServerInterface FServerInterface;
  std::vector<std::unique_ptr<TPcbDocument>> FDocuments;
  std::string FLastError;
};

}  // namespace standin
