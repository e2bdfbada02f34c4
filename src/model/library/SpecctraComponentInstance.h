// A placed part: a (place ...) entry of a component block of the placement section, which
// puts the block's image on the board under a reference designator.
//   (place designator [x y front|back rotation] (mirror off|x|y|xy) (status added|deleted|
//          substituted) (lock_type position|gate|subgate|pin) (logical_part name) (pn name)
//          (rule ...) (region ...) (place_rule ...) (property ...))
#pragma once

#include <cstdint>
#include <string>

#include "model/base/SpecctraObject.h"
#include "model/base/SpecctraValueTypes.h"

class TSpecctraCompImage;

class TSpecctraComponentInstance : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraComponentInstance"; }

  // Entered after the keyword place.
  bool LoadFromFile() override;
  // Builds a host component from the image and places it; true when the board took it.
  bool ExportToPcb() override;

  const std::string& ImageName() const { return FImageName; }
  void SetImageName(std::string name) { FImageName = std::move(name); }
  const TVertex& Position() const { return FPosition; }
  uint8_t Side() const { return FSide; }
  double Rotation() const { return FRotation; }
  uint8_t Mirror() const { return FMirror; }
  uint8_t Status() const { return FStatus; }
  const std::string& LogicalPart() const { return FLogicalPart; }
  uint8_t LockType() const { return FLockType; }
  const std::string& PartNumber() const { return FPartNumber; }
  bool Unplaced() const { return FUnplaced; }

private:
  bool HandleStatement(int32_t id, bool& result);
  // x y side rotation, the first of them being the current token.
  bool LoadPlacement();
  // The next word looked up in a table of keyword ids and values.
  bool LoadChoice(uint8_t& field, std::initializer_list<std::pair<int32_t, uint8_t>> choices);
  TSpecctraCompImage* FindImage();
  // Designator, side, rotation and position of the new host component.
  bool PlaceHostComponent(PcbHandle component);

  std::string FImageName;
  TVertex FPosition;
  uint8_t FSide = 0;
  double FRotation = 0;
  uint8_t FMirror = 0;
  uint8_t FStatus = 0;
  std::string FLogicalPart;
  uint8_t FLockType = 0;
  std::string FPartNumber;
  bool FUnplaced = true;
  bool FPositionRead = false;
};
