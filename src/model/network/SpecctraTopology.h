// A net class's topology statement: recognised and kept, not translated. Its block is skipped
// with the object base's warning and it adds nothing to the board.
#pragma once

#include "model/base/SpecctraObject.h"

class TSpecctraTopologyDescriptor : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraTopologyDescriptor"; }
};
