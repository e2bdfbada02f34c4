// A test point: a position on the front or back of the board, its net and its wire type.
// Parsed from a wiring section's test points, or built from a host pad or via whose test-point
// flag is set and written into the test points section of routes and session files.
#pragma once

#include <cstdint>
#include <string>

#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"

class TPCBObject;

enum TSpecctraSide : uint8_t { eSide_Front = 0, eSide_Back = 1 };
// The wire types a test point carries: route and protect are written, normal is only kept.
enum TSpecctraTestPointType : uint8_t {
  eTestPoint_None = 0,
  eTestPoint_Normal = 2,
  eTestPoint_Route = 3,
  eTestPoint_Protect = 4,
};

class TSpecctraTestPoint : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraTestPoint"; }

  //   (point [front|back] x y (net name) (type normal|protect|route))
  // Position in the owner's Specctra units.
  bool LoadFromFile() override;
  // Takes a host pad or via: position in host units, side back when its bottom-side flag is
  // set, its net's name, type route when its routed state is set, else protect.
  void ImportFromHostObject(const TPCBObject& object);
  // One line: (point x y front|back (net name)(type route|protect))
  bool ExportToFile() override;

  const TVertex& Position() const { return FPosition; }
  uint8_t Side() const { return FSide; }
  const std::string& NetName() const { return FNetName; }
  uint8_t Type() const { return FType; }

private:
  bool LoadType();

  TVertex FPosition;
  uint8_t FSide = eSide_Front;
  std::string FNetName;
  uint8_t FType = eTestPoint_None;
};
