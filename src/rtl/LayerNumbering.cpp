#include "rtl/LayerNumbering.h"

#include "common/LayerNames.h"

static_assert(kDefaultLayerNameCount == kLayerCount);

namespace {

constexpr uint32_t kMaxOrdinal = 0xFFFF;
constexpr uint32_t kPlainBottomOrdinal = 0xFFFF;
constexpr uint32_t kMidLayerCount = 30;
constexpr uint32_t kPlaneCount = 16;
constexpr uint32_t kMechanicalCount = 16;

uint32_t PartitionOf(PcbLayerId id) { return id >> 16; }
uint32_t LowOrdinalOf(PcbLayerId id) { return id & 0xFFFF; }
bool IsPlain(PcbLayerId id) { return (id >> 24) == 0; }
PcbLayerId Partitioned(uint32_t partition, uint32_t ordinal) { return partition << 16 | ordinal; }

bool InRange(uint32_t value, uint32_t first, uint32_t last) {
  return value >= first && value <= last;
}

TLayerClass PlainLayerClass(PcbLayerId number) {
  if (number == kTopLayer) return TLayerClass::Top;
  if (InRange(number, kMidLayer1, kMidLayer30)) return TLayerClass::MiddleSignal;
  if (number == kBottomLayer) return TLayerClass::Bottom;
  if (InRange(number, kTopOverlay, kBottomSolder))
    return static_cast<TLayerClass>(number - kTopOverlay + uint32_t(TLayerClass::TopOverlay));
  if (InRange(number, kInternalPlane1, kInternalPlane16)) return TLayerClass::InternalPlane;
  if (number == kDrillGuide) return TLayerClass::DrillGuide;
  if (number == kKeepOutLayer) return TLayerClass::KeepOut;
  if (InRange(number, kMechanical1, kMechanical16)) return TLayerClass::Mechanical;
  if (InRange(number, kDrillDrawing, kViaHoleLayer))
    return static_cast<TLayerClass>(number - kDrillDrawing + uint32_t(TLayerClass::DrillDrawing));
  return TLayerClass::NoLayer;
}

// The number of a fixed (non-stack) layer class.
PcbLayerNumber FixedLayerNumber(TLayerClass layerClass) {
  const auto value = static_cast<uint32_t>(layerClass);
  if (InRange(value, uint32_t(TLayerClass::TopOverlay), uint32_t(TLayerClass::BottomSolder)))
    return static_cast<PcbLayerNumber>(kTopOverlay + value - uint32_t(TLayerClass::TopOverlay));
  if (layerClass == TLayerClass::DrillGuide) return kDrillGuide;
  if (layerClass == TLayerClass::KeepOut) return kKeepOutLayer;
  if (InRange(value, uint32_t(TLayerClass::DrillDrawing), uint32_t(TLayerClass::ViaHole)))
    return static_cast<PcbLayerNumber>(kDrillDrawing + value - uint32_t(TLayerClass::DrillDrawing));
  return kNoLayer;
}

// The number of the n-th layer of a numbered range, or the range's last number beyond it.
PcbLayerNumber NumberInRange(uint32_t ordinal, PcbLayerNumber offset, uint32_t count) {
  return static_cast<PcbLayerNumber>(offset + (ordinal <= count ? ordinal : count));
}

std::string CreatingText(const char* function, int64_t ordinal) {
  return "Creating " + std::string(function) + "(" + std::to_string(ordinal) + ")";
}

}  // namespace

ELayerPartitionError::ELayerPartitionError(PcbLayerId id)
    : std::runtime_error("Could not find layer partition ID=" + std::to_string(id)) {}

std::string_view LayerName(uint32_t number) {
  return DefaultLayerName(number);
}

PcbLayerId LayerIdOf(uint32_t number) { return number <= kViaHoleLayer ? number : 0; }

TLayerClass LayerClassOf(PcbLayerId id) {
  if (IsPlain(id)) return PlainLayerClass(id);
  if (LowOrdinalOf(id) != 0) {
    switch (PartitionOf(id)) {
      case kSignalPartition: return TLayerClass::MiddleSignal;
      case kInternalPlanePartition: return TLayerClass::InternalPlane;
      case kMechanicalPartition: return TLayerClass::Mechanical;
      default: break;
    }
  }
  throw ELayerPartitionError(id);
}

uint32_t LayerOrdinalOf(PcbLayerId id) {
  if (!IsPlain(id)) return LowOrdinalOf(id);
  const TLayerClass layerClass = PlainLayerClass(id);
  switch (layerClass) {
    case TLayerClass::Top:
    case TLayerClass::MiddleSignal: return id;
    case TLayerClass::Bottom: return kPlainBottomOrdinal;
    case TLayerClass::InternalPlane: return id - (kInternalPlane1 - 1);
    case TLayerClass::Mechanical: return id - (kMechanical1 - 1);
    default: return static_cast<uint32_t>(layerClass);
  }
}

PcbLayerNumber LayerNumberOf(PcbLayerId id) {
  const TLayerClass layerClass = LayerClassOf(id);
  switch (layerClass) {
    case TLayerClass::NoLayer: return kNoLayer;
    case TLayerClass::Top: return kTopLayer;
    case TLayerClass::Bottom: return kBottomLayer;
    case TLayerClass::MiddleSignal: return NumberInRange(LayerOrdinalOf(id), 0, kMidLayer30);
    case TLayerClass::InternalPlane:
      return NumberInRange(LayerOrdinalOf(id), kInternalPlane1 - 1, kPlaneCount);
    case TLayerClass::Mechanical:
      return NumberInRange(LayerOrdinalOf(id), kMechanical1 - 1, kMechanicalCount);
    default: return FixedLayerNumber(layerClass);
  }
}

PcbLayerId SignalLayer(int64_t ordinal) {
  if (ordinal < 0 || ordinal > kMaxOrdinal)
    throw ELayerException(CreatingText("SignalLayer", ordinal));
  const auto n = static_cast<uint32_t>(ordinal);
  if (n == kTopLayer) return kTopLayer;
  if (n == kPlainBottomOrdinal) return kBottomLayer;
  if (InRange(n, kMidLayer1, kMidLayer1 + kMidLayerCount - 1)) return n;
  return Partitioned(kSignalPartition, n);
}

PcbLayerId InternalPlaneLayer(int64_t ordinal) {
  if (ordinal < 1 || ordinal > kMaxOrdinal)
    throw ELayerException(CreatingText("InternalPlaneLayer", ordinal));
  const auto n = static_cast<uint32_t>(ordinal);
  if (n <= kPlaneCount) return kInternalPlane1 - 1 + n;
  return Partitioned(kInternalPlanePartition, n);
}

PcbLayerId MechanicalLayer(int64_t ordinal) {
  if (ordinal < 1 || ordinal > kMaxOrdinal)
    throw ELayerException(CreatingText("MechanicalLayer", ordinal));
  const auto n = static_cast<uint32_t>(ordinal);
  if (n <= kMechanicalCount) return kMechanical1 - 1 + n;
  return Partitioned(kMechanicalPartition, n);
}

bool IsSignalLayer(PcbLayerId id) {
  return PartitionOf(id) == kSignalPartition || InRange(id, kTopLayer, kBottomLayer);
}

bool IsInternalPlaneLayer(PcbLayerId id) {
  return PartitionOf(id) == kInternalPlanePartition ||
         InRange(id, kInternalPlane1, kInternalPlane16);
}

bool IsMechanicalLayer(PcbLayerId id) {
  return PartitionOf(id) == kMechanicalPartition || InRange(id, kMechanical1, kMechanical16);
}
