// Differential pairs and bundles of the network section: recognised and kept, not
// translated. Their blocks are skipped with the object base's warning and they add nothing to
// the board.
#pragma once

#include "model/base/SpecctraObject.h"

class TSpecctraDiffPair : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraDiffPair"; }
};

class TSpecctraDiffBundle : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraDiffBundle"; }
};
