// The host board as a whole: its record, the 82 layer records with the layer stack, layer
// information, drill layer pairs, dielectrics and option records.
//
// Lives for one operation: create over the board handle, Update(1), read or change,
// Update(0) if changed, free. It never frees the host board.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host/PcbApi.h"
#include "rtl/LayerNumbering.h"
#include "rtl/LayerObjects.h"
#include "rtl/LayerPairs.h"

class TPcbBoard {
public:
  explicit TPcbBoard(PcbHandle board);
  TPcbBoard(const TPcbBoard&) = delete;
  TPcbBoard& operator=(const TPcbBoard&) = delete;

  // 1 reads, 0 writes: board record, layer information, layer records, split-plane mode,
  // grids, output, Gerber, printer, placer and change-order options, layer pairs, external
  // dielectrics. Answers the board record's status.
  int32_t Update(uint8_t message);

  PcbHandle GetHandle() const { return FBoard; }
  std::string GetFileName() const;
  int32_t GetOriginX() const { return FRecord.originX; }
  int32_t GetOriginY() const { return FRecord.originY; }
  void SetOrigin(int32_t x, int32_t y);
  // Non-zero: the board shows mils.
  uint8_t GetUnitMils() const { return FRecord.unitMils; }
  PcbLayerNumber GetCurrentLayer() const;
  void SetCurrentLayer(PcbLayerNumber layer) { FRecord.currentLayer = layer; }
  // Nil while the board has no outline.
  PcbHandle GetBoardOutline() const { return FRecord.boardOutline; }
  PcbBoardGridsRecord& Grids() { return FGrids; }
  PcbExternalDielectricsRecord& ExternalDielectrics() { return FExternalDielectrics; }
  uint8_t GetSplitPlaneMode() const { return FSplitPlaneMode; }
  void SetSplitPlaneMode(uint8_t mode) { FSplitPlaneMode = mode; }
  // The layer information of 1..82; 0 elsewhere.
  int32_t GetLayerInfo(PcbLayerNumber layer) const;

  // The record of a layer number 1..82, nil elsewhere; internal planes only for 39..54.
  TLayerObject* LayerObject(PcbLayerNumber layer) const;
  TInternalPlane* InternalPlane(PcbLayerNumber layer) const;

  // The layer stack, top to bottom: the lowest-numbered record without a previous layer,
  // then each record's next layer; nil at the end.
  TLayerObject* FirstStackLayer() const;
  TLayerObject* NextStackLayer(const TLayerObject& layer) const;
  bool IsInStack(const TLayerObject& layer) const;
  // 0 when the layer is not in the set; else the count of stack layers in the set from the
  // top down to this one (all of them when the walk does not reach it).
  uint32_t StackPosition(const TLayerSet& layers, const TLayerObject& layer) const;
  // Only internal planes 39..54 have a net name; other numbers are ignored.
  void SetPlaneNetName(PcbLayerNumber layer, std::string_view name);

  std::vector<TPcblayerPair>& LayerPairs() { return FLayerPairs; }
  // The first pair between layers a and b, in either order; nil when none.
  TPcblayerPair* FindLayerPair(PcbLayerNumber a, PcbLayerNumber b);

private:
  void ExchangeLayerInfo(uint8_t message);
  void ExchangeOptions(uint8_t message);
  void ExchangeLayerPairs(uint8_t message);
  void ReadLayerPairs();
  void WriteLayerPairs();
  // Signal layers and internal planes: the layers a drill pair goes between.
  std::string PairName(const TPcblayerPair& pair) const;

  PcbHandle FBoard;
  PcbBoardRecord FRecord{};  // currentLayer holds a layer number
  std::array<std::unique_ptr<TLayerObject>, kLayerCount> FLayers;  // [0] stays nil
  std::array<int32_t, kLayerCount> FLayerInfo{};
  std::vector<TPcblayerPair> FLayerPairs;
  uint8_t FSplitPlaneMode = 1;
  PcbExternalDielectricsRecord FExternalDielectrics;
  PcbBoardGridsRecord FGrids{};
  PcbOutputOptionsRecord FOutputOptions{};
  std::array<uint8_t, kPcbPlotLayerCount + 1> FPlotLayers{};  // 1..109
  std::array<uint8_t, kPcbPlotLayerCount + 1> FFlipLayers{};
  PcbGerberOptionsRecord FGerberOptions{};
  PcbPrinterOptionsRecord FPrinterOptions{};
  std::array<int32_t, kPcbPlotterPenCount + 1> FPlotterPens{};          // 1..8
  std::array<uint8_t, kPcbCompositeLayerCount + 1> FCompositeLayers{};  // 1..82
  PcbPlacerOptionsRecord FPlacerOptions{};
  PcbEngineeringChangeOrderOptionsRecord FChangeOrderOptions{};
};
