// pcbhost can-import FILE: asks the plug-in's importer interface whether it can import the file.
#include <iostream>

#include "app/ExitCodes.h"
#include "app/SessionSteps.h"
#include "app/Verbs.h"
#include "app/WidePath.h"

namespace pcbhost {

int CanImportVerb(const std::string& file) {
  std::string error;
  THostSession session;
  if (!StartSession(session, true, &error)) return Fail(error);
  host::IPcbFileImporter* importer = FileImporter(session);
  if (!importer) return Fail("the plug-in offers no file importer");
  bool canImport = false;
  const host::HResult status = importer->CanImportFile(WidePath(file).c_str(), &canImport);
  session.ThrowIfMemoryRanOut();
  if (status != host::kOk) return Fail("the plug-in's importer failed on " + file);
  std::cout << (canImport ? "yes" : "no") << "\n";
  return kExitOk;
}

}  // namespace pcbhost
