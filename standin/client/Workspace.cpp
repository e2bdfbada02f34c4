#include "client/Workspace.h"

#include "client/DocumentKinds.h"
#include "client/TerminalText.h"
#include "common/PathIdentity.h"

namespace standin {

TProject* TWorkspace::Find(const std::string& path) const {
  for (const auto& project : FProjects)
    if (SamePath(project->Path(), path)) return project.get();
  return nullptr;
}

TProject* TWorkspace::Open(const std::string& path, std::string* error) {
  TProject* project = Find(path);
  if (!project) {
    auto opened = TProject::Open(path, error);
    if (!opened) return nullptr;
    FProjects.push_back(std::move(opened));
    project = FProjects.back().get();
  }
  if (!FDocuments.FindByPath(path)) FDocuments.AddClientDocument(kProjectKind, path);
  FCurrent = project;
  return project;
}

bool TWorkspace::Save(TProject& project, std::string* error) {
  if (!project.Save(error)) return false;
  if (host::IServerDocument* document = FDocuments.FindByPath(project.Path()))
    document->SetModified(false);
  return true;
}

host::HResult TWorkspace::FindProject(const char* path, host::IProject** project) {
  if (!project) return host::kFail;
  TProject* found = path ? Find(path) : nullptr;
  *project = found;
  if (!found) return host::kFail;
  FCurrent = found;
  return host::kOk;
}

host::HResult TWorkspace::OpenProject(const char* path, host::IProject** project) {
  if (!project) return host::kFail;
  *project = path ? Open(path, nullptr) : nullptr;
  return *project ? host::kOk : host::kFail;
}

host::HResult TWorkspace::AddMessage(const char* category, const char* text, const char*,
                                     const char*, const char*, const char*) {
  const std::string categoryText = category ? category : "";
  std::string message = text ? text : "";
  if (!categoryText.empty()) message = categoryText + " " + message;
  FMessages.push_back(message);
  WriteErrorLine(FTerminal, message);
  return host::kOk;
}

}  // namespace standin
