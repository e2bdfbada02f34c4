// The board's own values besides its layers and objects: the board record, layer
// information, split-plane mode, grids, external dielectrics, drill layer pairs and the option
// records, which the server keeps whole.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "host/PcbApi.h"

namespace standin {

class TFieldReader;
class TFieldWriter;

struct TBoardSettings {
  // The board record. currentLayer holds a layer number; the file name and the outline handle
  // are the board's own and not kept here.
  PcbBoardRecord Record{};
  std::array<int32_t, kLayerCount - 1> LayerInfo{};  // layers 1..82
  uint8_t SplitPlaneMode = 1;
  PcbBoardGridsRecord Grids{};
  PcbExternalDielectricsRecord ExternalDielectrics{};
  PcbOutputOptionsRecord OutputOptions{};
  std::array<uint8_t, kPcbPlotLayerCount> PlotLayers{};  // indices 1..109
  std::array<uint8_t, kPcbPlotLayerCount> FlipLayers{};
  PcbGerberOptionsRecord GerberOptions{};
  PcbPrinterOptionsRecord PrinterOptions{};
  std::array<int32_t, kPcbPlotterPenCount> PlotterPens{};            // indices 1..8
  std::array<uint8_t, kPcbCompositeLayerCount> CompositeLayers{};    // indices 1..82
  PcbPlacerOptionsRecord PlacerOptions{};
  PcbEngineeringChangeOrderOptionsRecord ChangeOrderOptions{};
  // Layers as numbers.
  std::vector<PcbLayerPairRecord> LayerPairs;
};

// A new board: origin 0, 0, mils, TopLayer current, default grids and dielectrics.
TBoardSettings NewBoardSettings();

// Bounds the drill layer pairs a board can have.
constexpr int32_t kMaxLayerPairs = 1 << 12;

// The document's "board" object; fileName and boardOutline come from the board.
void WriteBoardFields(TFieldWriter& writer, const TBoardSettings& settings,
                      const std::string& fileName, PcbHandle boardOutline);
// Reads the settings and the outline's (document) handle; the file name is not read.
void ReadBoardFields(TFieldReader& reader, TBoardSettings& settings, PcbHandle& boardOutline);

// The document's "layerPairs" list.
void WriteLayerPairFields(TFieldWriter& writer, const std::vector<PcbLayerPairRecord>& pairs);
void ReadLayerPairFields(TFieldReader& reader, std::vector<PcbLayerPairRecord>& pairs);

}  // namespace standin
