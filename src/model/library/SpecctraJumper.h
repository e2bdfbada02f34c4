// A jumper of the library: its height, length and the via padstack it uses. Read and held;
// a negative size other than -1 (the system default) ends the import.
#pragma once

#include <string>

#include "model/base/SpecctraObject.h"

class TSpecctraJumper : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraJumper"; }

  //   (jumper (height h) (length l) (use_via PADSTACK))
  // Raises std::range_error for a height or length below 0 other than -1.
  bool LoadFromFile() override;

  double Height() const { return FHeight; }
  double Length() const { return FLength; }
  const std::string& UseVia() const { return FUseVia; }

private:
  double FHeight = 0;
  double FLength = 0;
  std::string FUseVia;
};
