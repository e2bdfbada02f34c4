#include "model/wiring/RoutedNetContext.h"

#include <string>

#include "model/base/SpecctraObject.h"
#include "model/wiring/ViaTagStorage.h"

namespace {

TTaggedVias LoadReported(TSpecctraObject& reader) {
  std::vector<std::string> errors;
  TTaggedVias tags = LoadStoredViaTags(reader.GetBoardHandle(), errors);
  for (const std::string& error : errors) reader.ReportError(error);
  return tags;
}

}  // namespace

TRoutedNetContext::TRoutedNetContext(TSpecctraObject& reader)
    : ViaTags(LoadReported(reader)),
      Planes(reader.GetBoardHandle()),
      PlaneFills(reader.GetBoardHandle()),
      Padstacks(LibraryViaPadstacks(reader)),
      LayerNames(reader.GetBoardHandle()) {}
