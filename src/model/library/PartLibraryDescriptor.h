// The part_library section of a design: not translated; its block is skipped with a warning.
#pragma once

#include "model/files/FileSection.h"

class TSpecctraPartLibraryDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraPartLibraryDescriptor"; }

  bool LoadFromFile() override;
};
