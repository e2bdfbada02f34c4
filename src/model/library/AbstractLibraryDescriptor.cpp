#include "model/library/AbstractLibraryDescriptor.h"

TSpecctraPadstack* TSpecctraAbstractLibraryDescriptor::FindPadstack(std::string_view name) const {
  return static_cast<TSpecctraPadstack*>(FPadstacks.FindByName(name));
}

TSpecctraPadstack* TSpecctraAbstractLibraryDescriptor::PadstackAt(int32_t index) const {
  return static_cast<TSpecctraPadstack*>(FPadstacks.ObjectAt(index));
}

void TSpecctraAbstractLibraryDescriptor::AddPadstack(std::unique_ptr<TSpecctraPadstack> padstack) {
  FPadstacks.Add(std::move(padstack));
}

void TSpecctraAbstractLibraryDescriptor::KeepFailedPadstack(
    std::unique_ptr<TSpecctraPadstack> padstack) {
  FFailedPadstacks.Add(std::move(padstack));
}
