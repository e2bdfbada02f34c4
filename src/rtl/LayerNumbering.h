// Layer numbers (0..82, the byte every caller uses) and the host's 32-bit layer IDs.
//
// An ID of 0..82 is the layer number itself. Layers beyond those ranges are partitioned IDs:
// high 16 bits the partition (signal, internal plane, mechanical), low 16 bits the layer's
// ordinal within its kind.
#pragma once

#include <bitset>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "host/PcbApi.h"

// A set of layer numbers 0..82.
using TLayerSet = std::bitset<kLayerCount>;

constexpr uint32_t kSignalPartition = 257;
constexpr uint32_t kInternalPlanePartition = 260;
constexpr uint32_t kMechanicalPartition = 1024;

// The kind of layer an ID stands for.
enum class TLayerClass : uint8_t {
  NoLayer = 0,
  Top = 1,
  MiddleSignal = 2,
  Bottom = 3,
  InternalPlane = 4,
  Mechanical = 5,
  TopOverlay = 6,  // 6..11: the overlay, paste and solder layers 33..38 in order
  BottomOverlay,
  TopPaste,
  BottomPaste,
  TopSolder,
  BottomSolder,
  DrillGuide = 12,
  KeepOut = 13,
  DrillDrawing = 14,  // 14..23: the layers 73..82 in order
  Multi,
  Connect,
  BackGround,
  DrcError,
  Highlight,
  GridColor1,
  GridColor10,
  PadHole,
  ViaHole = 23
};

// An ordinal that no layer ID can hold ("Creating SignalLayer(70000)").
class ELayerException : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// An ID whose partition is none of the known ones ("Could not find layer partition ID=...").
class ELayerPartitionError : public std::runtime_error {
public:
  explicit ELayerPartitionError(PcbLayerId id);
};

// The default name of a layer number ("TopLayer", "MidLayer1" ...); empty beyond 82.
std::string_view LayerName(uint32_t number);

// The ID of a layer number; any number beyond 82 gives 0.
PcbLayerId LayerIdOf(uint32_t number);
// The layer number of an ID by its class; partitioned layers beyond the numbered ones give the
// last number of their kind. Raises ELayerPartitionError for an unknown partition.
PcbLayerNumber LayerNumberOf(PcbLayerId id);
// The ordinal within its kind: the low 16 bits of a partitioned ID; for a plain ID the signal
// layer's number (65535 for the bottom layer), the plane's or mechanical layer's own count, and
// the class for every other layer.
uint32_t LayerOrdinalOf(PcbLayerId id);
// Raises ELayerPartitionError for an unknown partition; a plain ID above 82 is NoLayer.
TLayerClass LayerClassOf(PcbLayerId id);

// IDs from ordinals; ordinals outside the kind's range raise ELayerException.
PcbLayerId SignalLayer(int64_t ordinal);
PcbLayerId InternalPlaneLayer(int64_t ordinal);
PcbLayerId MechanicalLayer(int64_t ordinal);

bool IsSignalLayer(PcbLayerId id);
bool IsInternalPlaneLayer(PcbLayerId id);
bool IsMechanicalLayer(PcbLayerId id);
