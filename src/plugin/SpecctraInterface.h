// The "SpecctraIF" server module: its ten commands and the importer the host's generic file
// import asks for.
#pragma once

#include <string>

#include "host/Plugin.h"
#include "plugin/ServerModule.h"

inline constexpr const char* kModuleName = "SpecctraIF";

class TSpecctraInterface final : public TServerModule, public host::IPcbFileImporter {
public:
  explicit TSpecctraInterface(host::IClient* client);

  host::HResult QueryInterface(const host::TGuid& iid, void** out) override;
  host::HResult Release() override;

  host::HResult CanImportFile(const wchar_t* fileName, bool* canImport) override;
  host::HResult ImportFile(const wchar_t* fileName) override;

protected:
  host::IServerDocument* CreateServerDocument(const char* kind, const char* path) override;
  void RegisterCommands() override;
};

// Creates a module for the client; it lives until the host releases it.
TSpecctraInterface* CreateSpecctraInterface(host::IClient* client);

// The file name of the importer's wide string: each character U+0000..U+00FF is one byte.
std::string FileNameFromWide(const wchar_t* fileName);

// Whether the file is a design the importer takes: an existing .dsn or .rte file whose first
// two tokens are "(" and "pcb".
bool IsImportableDesign(const std::string& fileName);
