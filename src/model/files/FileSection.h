// A top-level section of a Specctra file (parser, structure, library, network ...), with a
// dimension resolution of its own.
#pragma once

#include <memory>

#include "model/files/ResolutionDescriptors.h"

class TSpecctraFileSectionDescriptor : public TSpecctraObject {
public:
  explicit TSpecctraFileSectionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TSpecctraFileSectionDescriptor"; }

  // Loads the section's resolution statement (after its keyword) and closes it.
  bool LoadResolution();
  TDimensionResolutionDescriptor& Resolution() { return *FResolution; }

private:
  std::unique_ptr<TDimensionResolutionDescriptor> FResolution;
};
