#include "rtl/LayerPairs.h"

#include "rtl/LayerNumbering.h"

PcbLayerNumber TPcblayerPair::GetStartLayer() const { return LayerNumberOf(FStartLayer); }

PcbLayerNumber TPcblayerPair::GetEndLayer() const { return LayerNumberOf(FEndLayer); }

void TPcblayerPair::SetStartLayer(PcbLayerNumber layer) { FStartLayer = LayerIdOf(layer); }

void TPcblayerPair::SetEndLayer(PcbLayerNumber layer) { FEndLayer = LayerIdOf(layer); }

PcbLayerPairRecord TPcblayerPair::ToRecord() const {
  return {FEndLayer, FStartLayer, FByte2, FByte1};
}

void TPcblayerPair::FromRecord(const PcbLayerPairRecord& record) {
  FEndLayer = record.endLayer;
  FStartLayer = record.startLayer;
  FByte2 = record.reserved1;
  FByte1 = record.reserved2;
}

std::string LayerPairName(std::string_view startName, uint32_t startPosition,
                          std::string_view endName, uint32_t endPosition) {
  const bool endIsUpper = endPosition < startPosition;
  const std::string_view upper = endIsUpper ? endName : startName;
  const std::string_view lower = endIsUpper ? startName : endName;
  return std::string(upper) + " - " + std::string(lower);
}
