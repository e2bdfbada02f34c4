// A bond site of the wiring section: two names, a position and the side of the board. Kept;
// bond sites are not written to the board.
#pragma once

#include <cstdint>
#include <string>

#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"

class TSpecctraBondSite : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraBondSite"; }

  //   (bond name name x y [front|back])
  // Any other shape is reported as an unexpected token; the rest of the block is skipped and
  // the load fails.
  bool LoadFromFile() override;

  const std::string& FirstName() const { return FFirstName; }
  const std::string& SecondName() const { return FSecondName; }
  const TVertex& Position() const { return FPosition; }
  // 0 front, 1 back.
  uint8_t Side() const { return FSide; }

private:
  bool LoadValues();

  std::string FFirstName;
  std::string FSecondName;
  TVertex FPosition;
  uint8_t FSide = 0;
};
