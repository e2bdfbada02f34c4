#include "server/PcbServerModule.h"

#include <algorithm>
#include <cstdint>

#include "boundary/TextBuffer.h"
#include "common/AsciiText.h"
#include "common/PathIdentity.h"
#include "server/Board.h"
#include "server/BoardDocumentFile.h"
#include "server/RunningServer.h"

namespace standin {
namespace {

// The document kinds of the server, as it spells them.
const char* ServerDocumentKind(std::string_view kind) {
  for (const char* known : {"PCB", "NAVRO"})
    if (SameTextIgnoringCase(kind, known)) return known;
  return nullptr;
}

}  // namespace

TPcbServerModule::TPcbServerModule(host::IClient* client)
    : FClient(client), FServerInterface(FModel) {}

TPcbServerModule::~TPcbServerModule() = default;

host::HResult TPcbServerModule::QueryInterface(const host::TGuid& iid, void** out) {
  if (!out) return host::kFail;
  *out = nullptr;
  if (iid == host::IID_IPCB_ServerInterface)
    *out = static_cast<host::IPCB_ServerInterface*>(&FServerInterface);
  else if (iid == IID_IPcbDocumentStore)
    *out = static_cast<IPcbDocumentStore*>(this);
  return *out ? host::kOk : host::kFail;
}

host::HResult TPcbServerModule::GetModuleName(char* buffer, uint32_t size) {
  return CopyToBuffer(kPcbServerName, buffer, size);
}

host::HResult TPcbServerModule::GetClient(host::IClient** client) {
  if (!client) return host::kFail;
  *client = FClient;
  return FClient ? host::kOk : host::kFail;
}

// The PCB server's own commands are not part of the stand-in.
host::HResult TPcbServerModule::GetCommandLauncher(host::ICommandLauncher** launcher) {
  if (launcher) *launcher = nullptr;
  return host::kFail;
}

host::HResult TPcbServerModule::NewDocument(const char* kind, const char* path,
                                            host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = nullptr;
  const char* serverKind = ServerDocumentKind(kind ? kind : "");
  if (!serverKind) return Fail("not a PCB document kind: " + std::string(kind ? kind : ""));
  if (!path || !*path) return Fail("a new PCB document needs a file name");
  if (FindDocumentByPath(path)) return Fail("a document is already open as " + std::string(path));
  TPcbDocument& created = AddDocument(serverKind, path);
  // A new document has never been saved.
  created.Board().SetModified(true);
  *document = &created;
  return host::kOk;
}

host::HResult TPcbServerModule::DocumentCount(int32_t* count) {
  if (!count) return host::kFail;
  *count = static_cast<int32_t>(FDocuments.size());
  return host::kOk;
}

host::HResult TPcbServerModule::DocumentAt(int32_t index, host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = nullptr;
  if (index < 0 || static_cast<std::size_t>(index) >= FDocuments.size()) return host::kFail;
  *document = FDocuments[static_cast<std::size_t>(index)].get();
  return host::kOk;
}

host::HResult TPcbServerModule::ProcessIdle() { return host::kOk; }

host::HResult TPcbServerModule::Release() {
  StopPcbServer(this);
  return host::kOk;
}

host::HResult TPcbServerModule::LoadDocument(const char* path, host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = nullptr;
  if (!path || !*path) return Fail("no document file name");
  if (TPcbDocument* open = FindDocumentByPath(path)) {
    *document = open;
    return host::kOk;
  }
  TPcbDocument& loaded = AddDocument("PCB", path);
  std::string error;
  if (!LoadBoardDocument(FModel, loaded.Board(), &error)) {
    CloseDocument(&loaded);
    return Fail(error);
  }
  *document = &loaded;
  return host::kOk;
}

host::HResult TPcbServerModule::SaveDocument(host::IServerDocument* document) {
  TPcbDocument* own = FindDocument(document);
  if (!own) return Fail("not a document of the PCB server");
  std::string error;
  if (!SaveBoardDocument(FModel, own->Board(), &error)) return Fail(error);
  own->Board().SetModified(false);
  return host::kOk;
}

host::HResult TPcbServerModule::CloseDocument(host::IServerDocument* document) {
  TPcbDocument* own = FindDocument(document);
  if (!own) return Fail("not a document of the PCB server");
  const PcbHandle board = own->Board().Handle();
  std::erase_if(FDocuments, [own](const auto& open) { return open.get() == own; });
  FModel.RemoveBoard(board);
  return host::kOk;
}

host::HResult TPcbServerModule::CountObjects(host::IServerDocument* document, uint64_t* counts,
                                             uint32_t size) {
  TPcbDocument* own = FindDocument(document);
  if (!own) return Fail("not a document of the PCB server");
  if (!counts) return Fail("no place for the counts");
  const TBoardIndex& index = own->Board().Index();
  for (uint32_t kind = 0; kind < size; ++kind) {
    const auto* handles = kind <= UINT8_MAX ? index.OfKind(static_cast<uint8_t>(kind)) : nullptr;
    counts[kind] = handles ? handles->Size() : 0;
  }
  return host::kOk;
}

host::HResult TPcbServerModule::GetLastError(char* buffer, uint32_t size) {
  return CopyToBuffer(FLastError, buffer, size);
}

TPcbDocument* TPcbServerModule::FindDocument(const host::IServerDocument* document) const {
  for (const auto& open : FDocuments)
    if (static_cast<const host::IServerDocument*>(open.get()) == document) return open.get();
  return nullptr;
}

TPcbDocument* TPcbServerModule::FindDocumentByPath(const std::string& path) const {
  for (const auto& open : FDocuments)
    if (SamePath(open->Board().FileName(), path)) return open.get();
  return nullptr;
}

TPcbDocument& TPcbServerModule::AddDocument(const std::string& kind, const std::string& path) {
  TBoard& board = FModel.Boards().Create(path);
  FDocuments.push_back(std::make_unique<TPcbDocument>(FClient, kind, board));
  return *FDocuments.back();
}

host::HResult TPcbServerModule::Fail(std::string error) {
  FLastError = std::move(error);
  return host::kFail;
}

}  // namespace standin
