// The design import into a new project: a folder "Imported <design>" beside the design (or
// "Imported (n) <design>" when taken) holding a project file and a new board document.
#include <sys/stat.h>

#include <vector>

#include "common/SafeFile.h"
#include "model/base/BoardHelpers.h"
#include "model/files/SpecctraRoutes.h"
#include "plugin/DesignImport.h"
#include "rtl/HostClient.h"
#include "plugin/HostPcbServer.h"
#include "rtl/ClientFileApi.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbIteration.h"

namespace {

constexpr PcbLayerNumber kLayerAfterImport = kKeepOutLayer;

bool FolderExists(const std::string& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// The first free "Imported <name>", "Imported (1) <name>", ... folder beside the design.
std::string CreateImportFolder(const std::string& folder, const std::string& name) {
  std::string candidate = folder + "/Imported " + name;
  for (int n = 1; FolderExists(candidate); ++n)
    candidate = folder + "/Imported (" + std::to_string(n) + ") " + name;
  if (::mkdir(candidate.c_str(), 0777) != 0)
    throw std::runtime_error("Cannot create the folder " + candidate);
  return candidate;
}

void WriteEmptyFile(const std::string& path) {
  std::string error;
  if (!WriteFileReplacing(path, "", &error)) throw std::runtime_error(error);
}

void SaveCurrentObject(const char* objectKind, const char* fileFormat) {
  std::string parameters = std::string("SaveMode=Standard|ObjectKind=") + objectKind +
                           "|FileFormat=" + fileFormat;
  HostRunProcess("WorkspaceManager:SaveObject", parameters, 1024);
}

void SaveDocument(host::IServerDocument& document) {
  document.SetModified(true);
  HostClient()->ShowDocument(&document);
  document.Focus();
  SaveCurrentObject("Document", "PCB Binary Files");
}

host::IProject* FindOrOpenProject(const std::string& projectPath) {
  host::IWorkspace* workspace = nullptr;
  host::IProject* project = nullptr;
  if (HostClient()->GetWorkspace(&workspace) != host::kOk || !workspace) return nullptr;
  if (workspace->FindProject(projectPath.c_str(), &project) != host::kOk || !project)
    workspace->OpenProject(projectPath.c_str(), &project);
  return project;
}

std::string DefaultPcbExtension() {
  char extension[64] = {};
  HostClient()->GetDefaultExtension("PCB", extension, sizeof extension);
  return extension[0] == '.' ? extension + 1 : extension;
}

// The host's own follow-up after an import: the keep-out layer made current, the views
// refreshed, and each net handed to the board.
void FinishImportedBoard(const std::string& pcbPath, PcbHandle board) {
  host::IPCB_ServerInterface* server = PcbServerInterface();
  host::IPCB_Board* boardInterface = nullptr;
  if (!server || server->GetBoardByPath(pcbPath.c_str(), &boardInterface) != host::kOk ||
      !boardInterface)
    return;
  boardInterface->SetCurrentLayer(kLayerAfterImport);
  boardInterface->RefreshAfterImport();
  TLayerSet layers;
  for (PcbLayerNumber layer = 1; layer <= kMultiLayer + 1; ++layer) layers.set(layer);
  IterateBoard(board, [&](PcbHandle handle) {
    host::IPCB_Object* object = nullptr;
    void* net = nullptr;
    if (server->GetObjectByHandle(handle, &object) == host::kOk && object &&
        object->QueryInterface(host::IID_IPCB_Net, &net) == host::kOk && net)
      boardInterface->AcceptImportedObject(object);
  }, 1u << kPcbObjectNet, 0, layers);
}

void SaveProjectAndOpenItsDocuments(host::IProject& project, const std::string& projectPath) {
  if (host::IServerDocument* document = OpenDocumentOf(projectPath)) {
    document->SetModified(true);
    project.PrepareForSave();
    SaveCurrentObject("Project", " ");
  }
  int32_t count = 0;
  project.DocumentCount(&count);
  for (int32_t i = 0; i < count; ++i) {
    char path[host::kPathBufferSize] = {};
    char kind[64] = {};
    project.DocumentPathAt(i, path, sizeof path);
    HostClient()->GetDocumentKind(path, kind, sizeof kind);
    host::IServerDocument* document = nullptr;
    if (HostClient()->OpenDocument(kind, path, &document) == host::kOk && document) {
      HostClient()->ShowDocument(document);
      ZoomToDocument();
    }
  }
}

}  // namespace

void ImportDesignAsProject(const std::string& dsnPath) {
  host::IClient* client = HostClient();
  if (!client) return;
  const std::string name = ClientExtractFileName(dsnPath);
  const std::string importFolder = CreateImportFolder(FolderOfPath(dsnPath), name);

  const std::string projectPath = importFolder + "/" + ChangeExtension(name, ".PrjPcb");
  if (!FileExists(projectPath)) WriteEmptyFile(projectPath);
  host::IProject* project = FindOrOpenProject(projectPath);

  const std::string pcbPath = importFolder + "/" + ChangeExtension(name, "." + DefaultPcbExtension());
  if (host::IServerDocument* open = OpenDocumentOf(pcbPath)) client->CloseDocument(open);
  const std::string pcbName = ClientExtractFileName(pcbPath);
  host::IServerDocument* document = nullptr;
  if (client->CreateDocument("PCB", pcbName.c_str(), pcbName.c_str(), 0, &document) != host::kOk ||
      !document)
    return;
  client->ShowDocument(document);
  document->SetFileName(pcbPath.c_str());
  WriteEmptyFile(pcbPath);
  SaveDocument(*document);
  if (project) project->AddDocument(pcbPath.c_str());

  host::IPCB_ServerInterface* server = PcbServerInterface();
  const PcbHandle board = PcbBoardFromFileName(pcbPath);
  client->ShowDocument(document);
  document->Focus();
  if (server) server->PreProcess();
  struct TBatchEnd {
    host::IPCB_ServerInterface* Server;
    // Nothing escapes: the import may be unwinding already (out of memory, for instance).
    ~TBatchEnd() {
      try {
        if (Server) Server->PostProcess();
      } catch (...) {
        // The batch stays open; the import has failed anyway.
      }
    }
  } batchEnd{server};
  if (ParseAndBuild(dsnPath, board)) FinishImportedBoard(pcbPath, board);
  client->ShowDocument(document);
  document->Focus();
  if (server) {
    server->PostProcess();
    batchEnd.Server = nullptr;
  }
  SaveDocument(*document);
  client->CloseDocument(document);
  if (project) SaveProjectAndOpenItsDocuments(*project, projectPath);
}
