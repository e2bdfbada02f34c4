// A via array template of the library. Not translated: its block is passed over with the
// skipped-block warning, and its list of vias stays empty.
#pragma once

#include "model/base/SpecctraList.h"
#include "model/base/SpecctraObject.h"

class TSpecctraViaArrayTemplate : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraViaArrayTemplate"; }

  const TSpecctraList& Vias() const { return FVias; }

private:
  TSpecctraList FVias{true};
};
