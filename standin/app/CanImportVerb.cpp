// pcbhost can-import FILE: asks the plug-in's importer interface whether it can import the file.
#include <iostream>

#include "app/ErrorLine.h"
#include "app/ExitCodes.h"
#include "app/Verbs.h"
#include "app/WidePath.h"
#include "host/Plugin.h"

namespace pcbhost {

int CanImportVerb(const std::string& file) {
  std::string error;
  TSessionOptions options;
  options.Confirm = standin::TConfirmAnswer::No;
  THostSession session;
  if (!session.Start(options, &error)) {
    PrintError(error);
    return kExitFailed;
  }
  void* found = nullptr;
  if (session.PluginModule().QueryInterface(host::IID_IPcbFileImporter, &found) != host::kOk ||
      !found) {
    PrintError("the plug-in offers no file importer");
    return kExitFailed;
  }
  auto* importer = static_cast<host::IPcbFileImporter*>(found);
  bool canImport = false;
  if (importer->CanImportFile(WidePath(file).c_str(), &canImport) != host::kOk) {
    PrintError("the plug-in's importer failed on " + file);
    return kExitFailed;
  }
  std::cout << (canImport ? "yes" : "no") << "\n";
  return kExitOk;
}

}  // namespace pcbhost
