#include "rtl/PcbBoard.h"

#include <algorithm>

#include "rtl/HostCall.h"
#include "rtl/PcbBoardCalls.h"
#include "rtl/PcbStrings.h"

namespace {

// Far beyond any real board; only bounds what a faulty count could make us allocate.
constexpr int32_t kMaxLayerPairs = 1 << 12;

bool IsRecordNumber(uint32_t layer) { return layer >= kTopLayer && layer <= kViaHoleLayer; }

TLayerSet SignalAndPlaneLayers() {
  TLayerSet layers;
  for (uint32_t layer = kTopLayer; layer <= kBottomLayer; ++layer) layers.set(layer);
  for (uint32_t layer = kInternalPlane1; layer <= kInternalPlane16; ++layer) layers.set(layer);
  return layers;
}

// Exchanges entries 1..N of a one-based table, one call each.
template <class Function, class Value, std::size_t N>
void ExchangeIndexed(THostEntryPoint<Function>& entry, uint8_t message, PcbHandle board,
                     std::array<Value, N>& values) {
  for (std::size_t index = 1; index < N; ++index)
    CallHost(entry, message, board, static_cast<int32_t>(index), &values[index]);
}

}  // namespace

TPcbBoard::TPcbBoard(PcbHandle board)
    : FBoard(board), FExternalDielectrics{DefaultDielectric(), DefaultDielectric()} {
  for (PcbLayerNumber layer = kTopLayer; layer <= kViaHoleLayer; ++layer)
    FLayers[layer] = CreateLayerObject(board, layer);
}

int32_t TPcbBoard::Update(uint8_t message) {
  PCB_ENTRY_POINT(splitPlaneMode, PcbApi_QueryBoardSplitPlaneMode);
  PCB_ENTRY_POINT(grids, PcbApi_QueryBoardGridsEx);
  PCB_ENTRY_POINT(dielectrics, PcbApi_QueryBoardExternalDielectrics);
  const int32_t status = QueryPcbBoardRecord(message, FBoard, FRecord);
  ExchangeLayerInfo(message);
  for (PcbLayerNumber layer = kTopLayer; layer <= kViaHoleLayer; ++layer)
    FLayers[layer]->Update(message);
  CallHostOr(kPcbFail, splitPlaneMode, message, FBoard, &FSplitPlaneMode);
  CallHost(grids, message, FBoard, &FGrids);
  ExchangeOptions(message);
  ExchangeLayerPairs(message);
  CallHost(dielectrics, message, FBoard, &FExternalDielectrics);
  return status;
}

void TPcbBoard::ExchangeLayerInfo(uint8_t message) {
  PCB_ENTRY_POINT(layerInfo, PcbApi_QueryBoardLayerInfo);
  for (PcbLayerNumber layer = kTopLayer; layer <= kViaHoleLayer; ++layer)
    CallHost(layerInfo, message, layer, FBoard, &FLayerInfo[layer]);
}

void TPcbBoard::ExchangeOptions(uint8_t message) {
  PCB_ENTRY_POINT(output, PcbApi_QueryBoardOutputOptions);
  PCB_ENTRY_POINT(plotLayers, PcbApi_QueryBoardOutputOptionsPlotLayers);
  PCB_ENTRY_POINT(flipLayers, PcbApi_QueryBoardOutputOptionsFlipLayers);
  PCB_ENTRY_POINT(gerber, PcbApi_QueryBoardGerberOptions);
  PCB_ENTRY_POINT(printer, PcbApi_QueryBoardPrinterOptions);
  PCB_ENTRY_POINT(plotterPens, PcbApi_QueryBoardPrinterOptionsPlotterPen);
  PCB_ENTRY_POINT(compositeLayers, PcbApi_QueryBoardPrinterOptionsCompositeLayer);
  PCB_ENTRY_POINT(placer, PcbApi_QueryBoardAdvancedPlacerOptions);
  PCB_ENTRY_POINT(changeOrder, PcbApi_QueryBoardEngineeringChangeOrderOptions);
  CallHost(output, message, FBoard, &FOutputOptions);
  ExchangeIndexed(plotLayers, message, FBoard, FPlotLayers);
  ExchangeIndexed(flipLayers, message, FBoard, FFlipLayers);
  CallHost(gerber, message, FBoard, &FGerberOptions);
  CallHost(printer, message, FBoard, &FPrinterOptions);
  ExchangeIndexed(plotterPens, message, FBoard, FPlotterPens);
  ExchangeIndexed(compositeLayers, message, FBoard, FCompositeLayers);
  CallHost(placer, message, FBoard, &FPlacerOptions);
  CallHost(changeOrder, message, FBoard, &FChangeOrderOptions);
}

void TPcbBoard::ExchangeLayerPairs(uint8_t message) {
  if (message == kPcbMessageRead)
    ReadLayerPairs();
  else
    WriteLayerPairs();
}

void TPcbBoard::ReadLayerPairs() {
  PCB_ENTRY_POINT(pairCount, PcbApi_QueryBoardLayerPairsCount);
  PCB_ENTRY_POINT(pairAt, PcbApi_QueryBoardLayerPairAt);
  FLayerPairs.clear();
  int32_t count = 0;
  if (CallHostOr(kPcbFail, pairCount, kPcbMessageRead, FBoard, &count) != kPcbOk) count = 0;
  count = std::clamp(count, 0, kMaxLayerPairs);
  for (int32_t index = 0; index < count; ++index) {
    PcbLayerPairRecord record{};
    CallHost(pairAt, kPcbMessageRead, FBoard, index, &record);
    TPcblayerPair& pair = FLayerPairs.emplace_back();
    pair.FromRecord(record);
    pair.SetName(PairName(pair));
  }
}

void TPcbBoard::WriteLayerPairs() {
  PCB_ENTRY_POINT(pairCount, PcbApi_QueryBoardLayerPairsCount);
  PCB_ENTRY_POINT(pairAt, PcbApi_QueryBoardLayerPairAt);
  int32_t count = static_cast<int32_t>(FLayerPairs.size());
  CallHostOr(kPcbFail, pairCount, kPcbMessageWrite, FBoard, &count);
  for (int32_t index = 0; index < static_cast<int32_t>(FLayerPairs.size()); ++index) {
    PcbLayerPairRecord record = FLayerPairs[static_cast<std::size_t>(index)].ToRecord();
    CallHost(pairAt, kPcbMessageWrite, FBoard, index, &record);
  }
}

std::string TPcbBoard::PairName(const TPcblayerPair& pair) const {
  static const TLayerSet kDrillLayers = SignalAndPlaneLayers();
  const TLayerObject* start = LayerObject(pair.GetStartLayer());
  const TLayerObject* end = LayerObject(pair.GetEndLayer());
  return LayerPairName(
      start ? start->GetName() : std::string(), start ? StackPosition(kDrillLayers, *start) : 0,
      end ? end->GetName() : std::string(), end ? StackPosition(kDrillLayers, *end) : 0);
}

std::string TPcbBoard::GetFileName() const { return FromPcbString(FRecord.fileName); }

void TPcbBoard::SetOrigin(int32_t x, int32_t y) {
  FRecord.originX = x;
  FRecord.originY = y;
}

PcbLayerNumber TPcbBoard::GetCurrentLayer() const {
  return IsRecordNumber(FRecord.currentLayer) ? static_cast<PcbLayerNumber>(FRecord.currentLayer)
                                              : kNoLayer;
}

int32_t TPcbBoard::GetLayerInfo(PcbLayerNumber layer) const {
  return IsRecordNumber(layer) ? FLayerInfo[layer] : 0;
}

TLayerObject* TPcbBoard::LayerObject(PcbLayerNumber layer) const {
  return IsRecordNumber(layer) ? FLayers[layer].get() : nullptr;
}

TInternalPlane* TPcbBoard::InternalPlane(PcbLayerNumber layer) const {
  return dynamic_cast<TInternalPlane*>(LayerObject(layer));
}

TLayerObject* TPcbBoard::FirstStackLayer() const {
  for (PcbLayerNumber layer = kTopLayer; layer <= kViaHoleLayer; ++layer)
    if (FLayers[layer]->GetPrevLayer() == kNoLayer) return FLayers[layer].get();
  return nullptr;
}

TLayerObject* TPcbBoard::NextStackLayer(const TLayerObject& layer) const {
  return LayerObject(layer.GetNextLayer());
}

bool TPcbBoard::IsInStack(const TLayerObject& layer) const {
  return layer.GetPrevLayer() != kNoLayer || layer.GetNextLayer() != kNoLayer;
}

uint32_t TPcbBoard::StackPosition(const TLayerSet& layers, const TLayerObject& layer) const {
  const PcbLayerNumber number = layer.GetLayerNumber();
  if (number >= layers.size() || !layers.test(number)) return 0;
  uint32_t position = 0;
  // Links come from the host; a walk longer than the records would be a loop.
  int steps = 0;
  for (const TLayerObject* walk = FirstStackLayer(); walk && steps < kViaHoleLayer;
       walk = NextStackLayer(*walk), ++steps) {
    if (layers.test(walk->GetLayerNumber())) ++position;
    if (walk == &layer) break;
  }
  return position;
}

void TPcbBoard::SetPlaneNetName(PcbLayerNumber layer, std::string_view name) {
  if (TInternalPlane* plane = InternalPlane(layer)) plane->SetPlaneNetName(name);
}

TPcblayerPair* TPcbBoard::FindLayerPair(PcbLayerNumber a, PcbLayerNumber b) {
  for (TPcblayerPair& pair : FLayerPairs) {
    const PcbLayerNumber start = pair.GetStartLayer();
    const PcbLayerNumber end = pair.GetEndLayer();
    if ((start == a && end == b) || (start == b && end == a)) return &pair;
  }
  return nullptr;
}
