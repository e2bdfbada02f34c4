#include "plugin/SpecctraInterface.h"

#include <memory>
#include <optional>
#include <stdexcept>
#include <vector>

#include "common/AsciiText.h"
#include "common/SafeFile.h"
#include "plugin/BoundaryGuard.h"
#include "plugin/Commands.h"
#include "plugin/DesignImport.h"
#include "specctra_io/SpecctraParser.h"

namespace {

// Modules the host has not released yet; the host may create more than one.
std::vector<std::unique_ptr<TSpecctraInterface>>& LiveModules() {
  static std::vector<std::unique_ptr<TSpecctraInterface>> modules;
  return modules;
}

std::string ExtensionOf(const std::string& fileName) {
  const std::size_t dot = fileName.rfind('.');
  const std::size_t slash = fileName.rfind('/');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
  return fileName.substr(dot);
}

}  // namespace

TSpecctraInterface* CreateSpecctraInterface(host::IClient* client) {
  auto module = std::make_unique<TSpecctraInterface>(client);
  module->Initialize();
  LiveModules().push_back(std::move(module));
  return LiveModules().back().get();
}

TSpecctraInterface::TSpecctraInterface(host::IClient* client)
    : TServerModule(client, kModuleName) {}

host::HResult TSpecctraInterface::Release() {
  auto& modules = LiveModules();
  for (auto it = modules.begin(); it != modules.end(); ++it) {
    if (it->get() == this) {
      modules.erase(it);  // frees this module: nothing may follow
      return host::kOk;
    }
  }
  return host::kFail;
}

host::HResult TSpecctraInterface::QueryInterface(const host::TGuid& iid, void** out) {
  if (!out) return host::kFail;
  if (iid == host::IID_IPcbFileImporter) {
    *out = static_cast<host::IPcbFileImporter*>(this);
    return host::kOk;
  }
  return TServerModule::QueryInterface(iid, out);
}

void TSpecctraInterface::RegisterCommands() {
  TCommandLauncher& launcher = CommandLauncher();
  launcher.AddCommand("ImportSpecctraDesignFile", ImportSpecctraDesignFile);
  launcher.AddCommand("ExportSpecctraDesignFile", ExportSpecctraDesignFile);
  launcher.AddCommand("ImportSpecctraRouteFile", ImportSpecctraRouteFile);
  launcher.AddCommand("ExportSpecctraRouteFile", ExportSpecctraRouteFile);
  launcher.AddCommand("ExportSpecctraSessionFile", ExportSpecctraSessionFile);
  launcher.AddCommand("ExportData", ExportData);
  launcher.AddCommand("ViewEmbeddedObjects", ViewEmbeddedObjects);
  launcher.AddCommand("DeleteEmbeddedObjects", DeleteEmbeddedObjects);
  launcher.AddCommand("DebugParseDSN", DebugParseDSN);
  launcher.AddCommand("ReturnToHostPCB", ReturnToHostPCB);
}

host::IServerDocument* TSpecctraInterface::CreateServerDocument(const char*, const char*) {
  return nullptr;  // the translator has no documents of its own
}

std::string FileNameFromWide(const wchar_t* fileName) {
  std::string bytes;
  for (const wchar_t* c = fileName; c && *c; ++c)
    bytes += static_cast<char>(static_cast<unsigned char>(*c));
  return bytes;
}

namespace {

// The first two tokens decide, so the check reads only the start of the file; a start that
// the tokens ran to the end of (a long comment first, or a word cut there) is read again
// twice as long, up to the whole file.
constexpr std::size_t kCheckedStartBytes = 1 << 16;

bool StartsAsDesign(const std::string& fileName) {
  for (std::size_t count = kCheckedStartBytes;; count *= 2) {
    std::string reason;
    std::optional<std::string> start = ReadFileStart(fileName, count, &reason);
    if (!start) throw std::runtime_error("Cannot read the input file: " + reason);
    const bool whole = start->size() < count;
    TSpecctraParser parser(std::make_unique<TInputFile>(fileName, std::move(*start)));
    RegisterKeywords(parser);
    const bool design = parser.IsPcbFile();
    if (whole || !parser.EndOfInput()) return design;
  }
}

}  // namespace

bool IsImportableDesign(const std::string& fileName) {
  if (!FileExists(fileName)) return false;
  const std::string extension = ExtensionOf(fileName);
  if (!SameTextIgnoringCase(extension, ".DSN") && !SameTextIgnoringCase(extension, ".RTE"))
    return false;
  return StartsAsDesign(fileName);
}

host::HResult TSpecctraInterface::CanImportFile(const wchar_t* fileName, bool* canImport) {
  return GuardedCall([&] {
    if (!canImport) return host::kFail;
    *canImport = false;
    *canImport = IsImportableDesign(FileNameFromWide(fileName));
    return host::kOk;
  });
}

host::HResult TSpecctraInterface::ImportFile(const wchar_t* fileName) {
  return GuardedCall([&] {
    const std::string name = FileNameFromWide(fileName);
    if (name.empty()) return host::kOk;
    bool canImport = false;
    if (CanImportFile(fileName, &canImport) != host::kOk)
      throw std::runtime_error("Cannot check the file " + name);
    if (canImport) ImportDesignAsProject(name);
    return host::kOk;
  });
}
