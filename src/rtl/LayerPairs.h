// A drill layer pair of the board: the two layers a drill goes between, and its name.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host/PcbApi.h"

class TPcblayerPair {
public:
  const std::string& GetName() const { return FName; }
  void SetName(std::string_view name) { FName = name; }
  // The layers as layer numbers (raising ELayerPartitionError for an unknown partition).
  PcbLayerNumber GetStartLayer() const;
  PcbLayerNumber GetEndLayer() const;
  PcbLayerId GetStartLayerId() const { return FStartLayer; }
  PcbLayerId GetEndLayerId() const { return FEndLayer; }
  void SetStartLayer(PcbLayerNumber layer);
  void SetEndLayer(PcbLayerNumber layer);

  // The host record; it holds the pair's two bytes in reverse order.
  PcbLayerPairRecord ToRecord() const;
  void FromRecord(const PcbLayerPairRecord& record);

private:
  std::string FName;
  PcbLayerId FEndLayer = 0;
  PcbLayerId FStartLayer = 0;
  uint8_t FByte1 = 0;
  uint8_t FByte2 = 0;
};

// "<upper> - <lower>": the layer with the smaller stack position first, the start layer when
// the positions are equal.
std::string LayerPairName(std::string_view startName, uint32_t startPosition,
                          std::string_view endName, uint32_t endPosition);
