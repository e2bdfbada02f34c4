// The board's 82 layer records (layer numbers 1..82) and the layer stack their links make:
// each layer names the layer above (prev) and below (next) it, 0 for none. A new board's
// stack is TopLayer, then BottomLayer.
#pragma once

#include <array>
#include <optional>

#include "host/PcbApi.h"

namespace standin {

class TFieldReader;
class TFieldWriter;

struct TLayerData {
  PcbShortString Name{};
  int32_t CopperThickness = 0;
  uint8_t Reserved1 = 0;
  uint8_t Reserved2 = 0;
  PcbLayerNumber Prev = 0;
  PcbLayerNumber Next = 0;
  uint8_t Reserved3 = 0;
  PcbShortString PlaneNet{};  // internal planes only
  PcbDielectricRecord Dielectric{};
};

// FR-4, type 1, constant 4.8, 12.6 mil: a new board's dielectrics.
PcbDielectricRecord DefaultDielectric();

class TLayerStack {
public:
  TLayerStack();

  // The record of a layer number 1..82; null for others.
  TLayerData* Layer(uint32_t number);
  const TLayerData* Layer(uint32_t number) const;

  // The layer records as the host exchanges them. Links beyond 82 are refused; internal plane
  // records exist for 39..54 only.
  bool Give(PcbLayerNumber number, PcbLayerRecord& record) const;
  bool Take(PcbLayerNumber number, const PcbLayerRecord& record);
  bool Give(PcbLayerNumber number, PcbInternalPlaneRecord& record) const;
  bool Take(PcbLayerNumber number, const PcbInternalPlaneRecord& record);

  // Puts the layer into the stack directly after the reference layer, which must be in it;
  // a layer already in the stack moves.
  bool Insert(PcbLayerNumber layer, PcbLayerNumber reference);
  bool InStack(PcbLayerNumber number) const;

  // The "layers" list of board documents: 82 entries, layer 1 first.
  void WriteFields(TFieldWriter& writer) const;
  void ReadFields(TFieldReader& reader);

private:
  void Unlink(PcbLayerNumber number);

  std::array<TLayerData, kLayerCount> FLayers;  // [0] is NoLayer and has no record
};

}  // namespace standin
