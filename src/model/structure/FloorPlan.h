// The floor plan section of a design and the library's family-to-family and image-to-image
// statements: recognised and kept, not translated. Their blocks are skipped with the object
// base's warning and they add nothing to the board.
#pragma once

#include "model/files/FileSection.h"

class TSpecctraFloorPlanDescriptor : public TSpecctraFileSectionDescriptor {
public:
  using TSpecctraFileSectionDescriptor::TSpecctraFileSectionDescriptor;
  std::string_view ClassName() const override { return "TSpecctraFloorPlanDescriptor"; }
};

class TSpecctraFamilyToFamily : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraFamilyToFamily"; }
};

class TSpecctraImageToImage : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraImageToImage"; }
};
