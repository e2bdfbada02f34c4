#include "client/Client.h"

#include <cstdint>
#include <new>

#include "boundary/TextBuffer.h"
#include "client/DocumentKinds.h"
#include "client/TerminalText.h"
#include "common/AsciiText.h"
#include "common/SafeFile.h"

namespace standin {
namespace {

// Object kinds are numbers of one byte.
constexpr uint32_t kObjectKindNumbers = 256;

std::string TextOf(const char* text) { return text ? text : ""; }

const char* MessageKindName(host::TMessageKind kind) {
  switch (kind) {
    case host::TMessageKind::Information:
      return "Information";
    case host::TMessageKind::Warning:
      return "Warning";
    case host::TMessageKind::Error:
      return "Error";
    case host::TMessageKind::Plain:
      break;
  }
  return "Message";
}

bool SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

host::HResult FailWith(std::string* error, std::string text) {
  SetError(error, std::move(text));
  return host::kFail;
}

}  // namespace

TClient::TClient(ITerminal& terminal, TPcbServerLibrary library, TProgressBar::TClock clock)
    : FTerminal(terminal),
      FLibrary(library),
      FDocuments(*this, FReports),
      FWorkspace(terminal, FDocuments),
      FDialog(terminal),
      FConfirmation(terminal),
      FProgressBar(terminal, std::move(clock)) {
  RegisterProcesses();
  if (FLibrary.SetProgressSink) FLibrary.SetProgressSink(&FProgressBar);
}

TClient::~TClient() {
  if (FLibrary.SetProgressSink) FLibrary.SetProgressSink(nullptr);
  FDocuments.SetPcbServer(nullptr);
  if (FPcbServer) FPcbServer->Release();
}

void TClient::RegisterProcesses() {
  auto nothing = [](TParameterBuffer&, host::IServerView*) { return host::kOk; };
  FLauncher.Register("Client:RunCommonDialog", [this](TParameterBuffer& p, host::IServerView*) {
    return RunCommonDialog(p);
  });
  FLauncher.Register(
      "WorkspaceManager:SaveObject",
      [this](TParameterBuffer& p, host::IServerView* v) { return SaveObject(p, v); });
  FLauncher.Register("PCB:Zoom", nothing);
  FLauncher.Register("PCB:Autoroute", [this](TParameterBuffer&, host::IServerView* v) {
    return StartAutorouter(v);
  });
  FLauncher.Register("PCB:Netlist", nothing);
  FLauncher.Register("Client:QuitFromEDAClient", [this](TParameterBuffer&, host::IServerView*) {
    FQuitRequested = true;
    return host::kOk;
  });
  FLauncher.Register("TextEdit:MoveCursorToTopOfDocument", nothing);
}

host::HResult TClient::RunCommonDialog(TParameterBuffer& parameters) {
  TParameterList list = parameters.Parameters();
  FDialog.Run(list);
  if (parameters.Write(list)) return host::kOk;
  WriteErrorLine(FTerminal, "The dialog's answer does not fit its parameter buffer.");
  parameters.Write({{"Result", "False"}});
  return host::kFail;
}

host::HResult TClient::SaveObject(TParameterBuffer& parameters, host::IServerView* view) {
  const TParameterList list = parameters.Parameters();
  const TParameter* objectKind = FindParameter(list, "ObjectKind");
  std::string error;
  if (objectKind && SameTextIgnoringCase(objectKind->Value, "Project")) {
    TProject* project = FWorkspace.CurrentProject();
    if (!project) return host::kFail;
    if (FWorkspace.Save(*project, &error)) return host::kOk;
  } else {
    host::IServerDocument* document = DocumentOfView(view);
    if (!document) return host::kFail;
    if (SaveDocument(*document, &error)) return host::kOk;
  }
  WriteErrorLine(FTerminal, "Cannot save: " + error);
  return host::kFail;
}

host::HResult TClient::StartAutorouter(host::IServerView* view) {
  host::IServerDocument* document = DocumentOfView(view);
  if (!document) return host::kFail;
  WriteErrorLine(FTerminal, "Autorouter started on " + DocumentFileName(*document) +
                                " (the stand-in host has no router)");
  return host::kOk;
}

host::IServerDocument* TClient::DocumentOfView(host::IServerView* view) {
  host::IServerDocument* document = nullptr;
  if (view && view->GetDocument(&document) == host::kOk && document) return document;
  return FDocuments.Current();
}

bool TClient::EnsurePcbServer() { return FPcbServer || StartServer(kPcbKind) == host::kOk; }

IPcbDocumentStore* TClient::PcbDocumentStore() {
  void* store = nullptr;
  if (!FPcbServer || FPcbServer->QueryInterface(IID_IPcbDocumentStore, &store) != host::kOk)
    return nullptr;
  return static_cast<IPcbDocumentStore*>(store);
}

bool TClient::SaveDocument(host::IServerDocument& document, std::string* error) {
  const std::string path = DocumentFileName(document);
  if (FDocuments.FindClientDocument(&document)) {
    TProject* project = FWorkspace.Find(path);
    // Text documents are the plug-in's files; the host never rewrites them.
    if (!project) return true;
    if (!FWorkspace.Save(*project, error)) return false;
    FSavedFiles.push_back(path);
    return true;
  }
  IPcbDocumentStore* store = PcbDocumentStore();
  if (!store) return SetError(error, "the PCB server is not running");
  if (store->SaveDocument(&document) != host::kOk) {
    char reason[host::kPathBufferSize] = {};
    store->GetLastError(reason, sizeof(reason));
    return SetError(error, reason);
  }
  FSavedFiles.push_back(path);
  return true;
}

// host::IClient

host::HResult TClient::GetServerModule(const char* name, host::IServerModule** module) {
  if (!module) return host::kFail;
  *module = name && SameTextIgnoringCase(name, kPcbKind) ? FPcbServer : nullptr;
  return *module ? host::kOk : host::kFail;
}

host::HResult TClient::StartServer(const char* name) {
  if (!name || !SameTextIgnoringCase(name, kPcbKind)) return host::kFail;
  if (FPcbServer) return host::kOk;
  if (!FLibrary.StartServer) return host::kFail;
  host::IServerModule* module = nullptr;
  if (FLibrary.StartServer(this, &module) != host::kOk || !module) return host::kFail;
  FPcbServer = module;
  FDocuments.SetPcbServer(module);
  return host::kOk;
}

host::HResult TClient::CreateDocument(const char* kind, const char* fileName, const char*, int32_t,
                                      host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = nullptr;
  const std::string kindText = TextOf(kind);
  if (IsPcbServerKind(kindText)) {
    if (!EnsurePcbServer()) return host::kFail;
    return FPcbServer->NewDocument(kindText.c_str(), fileName, document);
  }
  if (!SameTextIgnoringCase(kindText, kTextKind) || !fileName || !*fileName) return host::kFail;
  TClientDocument& created = FDocuments.AddClientDocument(kTextKind, fileName);
  created.SetModified(true);
  *document = &created;
  return host::kOk;
}

host::HResult TClient::GetDocumentByPath(const char* path, host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = path ? FDocuments.FindByPath(path) : nullptr;
  return *document ? host::kOk : host::kFail;
}

host::HResult TClient::OpenDocument(const char* kind, const char* path,
                                    host::IServerDocument** document) {
  if (!document) return host::kFail;
  *document = nullptr;
  const std::string pathText = TextOf(path);
  const std::string kindText = kind && *kind ? CanonicalKind(kind) : DocumentKindOfPath(pathText);
  return OpenDocumentOfKind(kindText, pathText, document, nullptr);
}

host::HResult TClient::OpenDocumentOfKind(const std::string& kind, const std::string& path,
                                          host::IServerDocument** document, std::string* error) {
  if (path.empty()) return FailWith(error, "no file name");
  if (host::IServerDocument* open = FDocuments.FindByPath(path)) {
    *document = open;
    return host::kOk;
  }
  if (IsPcbServerKind(kind)) {
    IPcbDocumentStore* store = EnsurePcbServer() ? PcbDocumentStore() : nullptr;
    if (!store) return FailWith(error, "the PCB server is not running to open " + path);
    if (store->LoadDocument(path.c_str(), document) == host::kOk) return host::kOk;
    char reason[host::kPathBufferSize] = {};
    store->GetLastError(reason, sizeof(reason));
    return FailWith(error, reason);
  }
  if (SameTextIgnoringCase(kind, kProjectKind)) {
    if (!FWorkspace.Open(path, error)) return host::kFail;
    *document = FDocuments.FindByPath(path);
    return *document ? host::kOk : host::kFail;
  }
  if (!SameTextIgnoringCase(kind, kTextKind))
    return FailWith(error, "unknown document kind: " + path);
  if (!FileExists(path)) return FailWith(error, "no such file: " + path);
  TClientDocument& opened = FDocuments.AddClientDocument(kTextKind, path);
  opened.AnnounceReport();
  *document = &opened;
  return host::kOk;
}

host::HResult TClient::GetDocumentKind(const char* path, char* buffer, uint32_t size) {
  const std::string kind = DocumentKindOfPath(TextOf(path));
  if (kind.empty()) {
    CopyTextToBuffer("", buffer, size);
    return host::kFail;
  }
  return CopyToBuffer(kind, buffer, size);
}

host::HResult TClient::GetDefaultExtension(const char* kind, char* buffer, uint32_t size) {
  const std::string extension = DefaultExtensionOfKind(TextOf(kind));
  if (extension.empty()) {
    CopyTextToBuffer("", buffer, size);
    return host::kFail;
  }
  return CopyToBuffer(extension, buffer, size);
}

host::HResult TClient::ShowDocument(host::IServerDocument* document) {
  if (!FDocuments.IsOpen(document)) return host::kFail;
  FDocuments.Show(document);
  return host::kOk;
}

host::HResult TClient::CloseDocument(host::IServerDocument* document) {
  if (!FDocuments.IsOpen(document)) return host::kFail;
  if (!FDocuments.FindClientDocument(document)) {
    IPcbDocumentStore* store = PcbDocumentStore();
    if (!store || store->CloseDocument(document) != host::kOk) return host::kFail;
  }
  FDocuments.Forget(document);
  return host::kOk;
}

host::HResult TClient::GetCurrentView(host::IServerView** view) {
  if (!view) return host::kFail;
  *view = nullptr;
  host::IServerDocument* current = FDocuments.Current();
  if (!current) return host::kFail;
  const std::string viewKind = ViewKindOfDocumentKind(DocumentKind(*current));
  return current->GetView(viewKind.c_str(), view);
}

host::HResult TClient::GetMainWindowHandle(uintptr_t* handle) {
  if (!handle) return host::kFail;
  *handle = 0;  // A terminal host has no main window.
  return host::kOk;
}

host::HResult TClient::SetStatusText(int32_t panel, const char* text) {
  FStatusTexts[panel] = TextOf(text);
  return host::kOk;
}

host::HResult TClient::GetProcessLauncher(host::IProcessLauncher** launcher) {
  if (!launcher) return host::kFail;
  *launcher = &FLauncher;
  return host::kOk;
}

host::HResult TClient::GetWorkspace(host::IWorkspace** workspace) {
  if (!workspace) return host::kFail;
  *workspace = &FWorkspace;
  return host::kOk;
}

host::HResult TClient::ShowMessage(host::TMessageKind kind, const char* caption, const char* text) {
  // After memory ran out the host ends the session with one line of its own.
  if (MemoryRanOut()) return host::kOk;
  const std::string captionText = caption && *caption ? caption : MessageKindName(kind);
  WriteErrorLine(FTerminal, captionText + ": " + TextOf(text));
  return host::kOk;
}

host::HResult TClient::ConfirmYesNo(const char* text, bool* yes) {
  if (!yes) return host::kFail;
  *yes = FConfirmation.Ask(TextOf(text));
  return host::kOk;
}

host::HResult TClient::IsEscapeKeyDown(bool* down) {
  if (!down) return host::kFail;
  *down = FEscapeKey.TakePress();
  return host::kOk;
}

// IClientControl

bool TClient::OpenDocument(const std::string& path, std::string* error) {
  const std::string kind = DocumentKindOfPath(path);
  if (kind.empty()) return SetError(error, "not a document the host knows: " + path);
  host::IServerDocument* document = nullptr;
  if (OpenDocumentOfKind(kind, path, &document, error) != host::kOk || !document) {
    if (MemoryRanOut()) throw std::bad_alloc();
    return false;
  }
  FDocuments.Show(document);
  return true;
}

bool TClient::SaveModifiedDocuments(std::string* error) {
  for (host::IServerDocument* document : FDocuments.PcbDocuments()) {
    bool modified = false;
    if (document->GetModified(&modified) != host::kOk || !modified) continue;
    if (SaveDocument(*document, error)) continue;
    if (MemoryRanOut()) throw std::bad_alloc();
    return false;
  }
  return true;
}

bool TClient::CountBoardObjects(const std::string& path, std::vector<std::size_t>& counts,
                                std::string* error) {
  host::IServerDocument* document = nullptr;
  IPcbDocumentStore* store = PcbDocumentStore();
  if (!store || GetDocumentByPath(path.c_str(), &document) != host::kOk || !document ||
      FDocuments.FindClientDocument(document))
    return SetError(error, "no board document is open as " + path);
  std::vector<uint64_t> found(kObjectKindNumbers, 0);
  if (store->CountObjects(document, found.data(), kObjectKindNumbers) != host::kOk) {
    char reason[host::kPathBufferSize] = {};
    store->GetLastError(reason, sizeof(reason));
    return SetError(error, reason);
  }
  counts.assign(found.begin(), found.end());
  return true;
}

}  // namespace standin
