#include "model/files/FileSection.h"

TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor(TSpecctraObject* owner)
    : TSpecctraObject(owner), FResolution(std::make_unique<TDimensionResolutionDescriptor>(this)) {}

bool TSpecctraFileSectionDescriptor::LoadResolution() {
  const bool result = FResolution->LoadFromFile();
  DecreaseDepth();
  return result;
}
