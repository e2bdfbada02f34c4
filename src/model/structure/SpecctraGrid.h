// The structure's grid statements: routing grids for vias and wires, the placement grid and
// the snap grid, each with a step, a direction and an offset. The collection writes them into
// the host board's grid settings.
#pragma once

#include <cstdint>
#include <memory>

#include "model/base/SpecctraList.h"

// Via keepout grids and forms this translation does not know are kept under their own kinds,
// so that they never stand in for a routing grid.
enum TSpecctraGridKind : uint8_t {
  eGrid_Via = 0,
  eGrid_Wire = 1,
  eGrid_ViaKeepout = 2,
  eGrid_Place = 3,
  eGrid_Snap = 4,
  eGrid_Other = 255,
};
enum TSpecctraGridDirection : uint8_t {
  eGridDirection_X = 0,
  eGridDirection_Y = 1,
  eGridDirection_Both = 2,
};

class TSpecctraGrid : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraGrid"; }

  //   (grid via|wire|snap step (direction x|y) (offset o))
  //   (grid place step (image_type smd|pin) (direction x|y) (offset o))
  //   (grid via_keepout ...)
  // A step that is no number, or an image type other than smd or pin, fails the grid.
  bool LoadFromFile() override;

  uint8_t Kind() const { return FKind; }
  double Step() const { return FStep; }
  uint8_t Direction() const { return FDirection; }
  double Offset() const { return FOffset; }

private:
  bool LoadImageType();

  uint8_t FKind = eGrid_Via;
  double FStep = 0;
  uint8_t FDirection = eGridDirection_Both;
  double FOffset = 0;
};

class TSpecctraGridCollection : public TSpecctraObject {
public:
  using TSpecctraObject::TSpecctraObject;
  std::string_view ClassName() const override { return "TSpecctraGridCollection"; }

  // Loads a grid statement (after its keyword) and files the grid when it loaded.
  bool LoadGrid();
  // Among the grids of the kind the first with the direction, else the last of the kind that
  // runs in both directions; nil when there is none.
  const TSpecctraGrid* FindGrid(uint8_t kind, uint8_t direction) const;
  // Writes the via, wire, snap and place grids into the host board's grid settings (grids the
  // design does not give keep the board's values) with the unit flag; answers whether the
  // host took the record.
  bool ExportToPcb() override;

  const TSpecctraList& Grids() const { return FGrids; }

private:
  TSpecctraList FGrids;
};
