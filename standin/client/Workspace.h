// The workspace ("GetWorkspace" of the workspace manager): the open projects, of which the
// last one opened or found is the current one, and the workspace messages, which go to
// standard error. Opening a project also opens its project document.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "client/DocumentRegistry.h"
#include "client/Project.h"
#include "client/Terminal.h"
#include "host/Client.h"

namespace standin {

class TWorkspace final : public host::IWorkspace {
public:
  TWorkspace(ITerminal& terminal, TDocumentRegistry& documents)
      : FTerminal(terminal), FDocuments(documents) {}

  host::HResult FindProject(const char* path, host::IProject** project) override;
  host::HResult OpenProject(const char* path, host::IProject** project) override;
  host::HResult AddMessage(const char* category, const char* text, const char* source,
                           const char* fileName, const char* action,
                           const char* actionParameters) override;

  TProject* CurrentProject() const { return FCurrent; }
  TProject* Find(const std::string& path) const;
  // Opens the project of the file (the open one when it is open already); null with a reason.
  TProject* Open(const std::string& path, std::string* error);
  // Writes the project file and marks its document unmodified.
  bool Save(TProject& project, std::string* error);

  const std::vector<std::string>& Messages() const { return FMessages; }

private:
  ITerminal& FTerminal;
  TDocumentRegistry& FDocuments;
  std::vector<std::unique_ptr<TProject>> FProjects;
  TProject* FCurrent = nullptr;
  std::vector<std::string> FMessages;
};

}  // namespace standin
