// The resolution statements of a Specctra file: a unit word of the statement's kind and a
// positive integer. Only the dimension resolution takes part in conversions; the electrical
// ones are read and kept.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "model/base/SpecctraObject.h"

// A unit word of one resolution kind and the code it stands for.
struct TResolutionUnitWord {
  int32_t TokenId;
  uint8_t Code;
};

class TResolutionDescriptor : public TSpecctraObject {
public:
  TResolutionDescriptor(TSpecctraObject* owner, std::span<const TResolutionUnitWord> unitWords,
                        uint8_t defaultCode, int32_t defaultValue);

  std::string_view ClassName() const override { return "TResolutionDescriptor"; }
  // Reads unit words with their values until the statement closes.
  bool LoadFromFile() override;

  // Raises std::range_error for a value of 0 or below (-1 is taken as it is).
  void SetResolution(int32_t value);
  int32_t Resolution() const { return FResolution; }
  uint8_t UnitCode() const { return FUnitCode; }

private:
  std::span<const TResolutionUnitWord> FUnitWords;
  int32_t FResolution;
  uint8_t FUnitCode;
};

class TCapacitanceResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TCapacitanceResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TCapacitanceResolutionDescriptor"; }
};

class TConductanceResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TConductanceResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TConductanceResolutionDescriptor"; }
};

class TCurrentResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TCurrentResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TCurrentResolutionDescriptor"; }
};

class TInductanceResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TInductanceResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TInductanceResolutionDescriptor"; }
};

class TResistanceResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TResistanceResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TResistanceResolutionDescriptor"; }
};

// The length unit and resolution ("resolution inch 2540000" by default). Every file written
// states "(resolution mm  100000)" and so counts in 1/100000 mm.
class TDimensionResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TDimensionResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TDimensionResolutionDescriptor"; }
  bool ExportToFile() override;
  TSpecctraUnit Unit() const { return static_cast<TSpecctraUnit>(UnitCode()); }
};

class TVoltageResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TVoltageResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TVoltageResolutionDescriptor"; }
};

class TTimeResolutionDescriptor : public TResolutionDescriptor {
public:
  explicit TTimeResolutionDescriptor(TSpecctraObject* owner);
  std::string_view ClassName() const override { return "TTimeResolutionDescriptor"; }
};

// The length unit of a unit word token; any other token gives mils with a warning to the
// object's report.
TSpecctraUnit UnitFromToken(TSpecctraObject& object, int32_t tokenId);
