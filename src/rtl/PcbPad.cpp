#include "rtl/PcbPad.h"

#include "rtl/PcbFixedStrings.h"

namespace {

bool IsLayer(PcbLayerNumber layer) { return layer < kLayerCount; }

}  // namespace

std::string TPcbPad::GetName() const { return FromPcbString(FRecord.name); }

void TPcbPad::SetName(std::string_view name) { FRecord.name = ToPcbString20(name); }

void TPcbPad::SetTopSize(int32_t x, int32_t y) {
  FRecord.topXSize = x;
  FRecord.topYSize = y;
}

void TPcbPad::SetMiddleSize(int32_t x, int32_t y) {
  FRecord.middleXSize = x;
  FRecord.middleYSize = y;
}

void TPcbPad::SetBottomSize(int32_t x, int32_t y) {
  FRecord.bottomXSize = x;
  FRecord.bottomYSize = y;
}

int32_t TPcbPad::XSizeOnLayer(PcbLayerNumber layer) const {
  return IsLayer(layer) ? FStack.xSize[layer] : 0;
}

int32_t TPcbPad::YSizeOnLayer(PcbLayerNumber layer) const {
  return IsLayer(layer) ? FStack.ySize[layer] : 0;
}

uint8_t TPcbPad::ShapeOnLayer(PcbLayerNumber layer) const {
  return IsLayer(layer) ? FStack.shape[layer] : 0;
}

int32_t TPcbPad::CornerRadiusOnLayer(PcbLayerNumber layer) const {
  return IsLayer(layer) ? FStack.cornerRadius[layer] : 0;
}

uint8_t TPcbPad::CornerRadiusPercentOnLayer(PcbLayerNumber layer) const {
  return IsLayer(layer) ? FStack.cornerRadiusPercent[layer] : 0;
}

void TPcbPad::SetSizeOnLayer(PcbLayerNumber layer, int32_t x, int32_t y) {
  if (!IsLayer(layer)) return;
  FStack.xSize[layer] = x;
  FStack.ySize[layer] = y;
}

void TPcbPad::SetShapeOnLayer(PcbLayerNumber layer, uint8_t shape) {
  if (IsLayer(layer)) FStack.shape[layer] = shape;
}

void TPcbPad::SetCornerRadiusPercentOnLayer(PcbLayerNumber layer, uint8_t percent) {
  if (IsLayer(layer)) FStack.cornerRadiusPercent[layer] = percent;
}

void TPcbPad::SetCornerRadiusPercents(uint8_t top, uint8_t middle, uint8_t bottom) {
  FStack.topCornerRadiusPercent = top;
  FStack.middleCornerRadiusPercent = middle;
  FStack.bottomCornerRadiusPercent = bottom;
}

TPcbRotatedRect TPcbPad::RotatedRect() const {
  return {static_cast<double>(FX), static_cast<double>(FY), static_cast<double>(FRecord.topXSize),
          static_cast<double>(FRecord.topYSize), FRecord.rotation};
}

int32_t TPcbPad::ReadRecord() {
  PCB_ENTRY_POINT(query, PcbApi_QueryPad);
  return ExchangeRecord(kPcbMessageRead, query, FRecord);
}

int32_t TPcbPad::ExchangeRecords(uint8_t message) {
  PCB_ENTRY_POINT(query, PcbApi_QueryPad);
  PCB_ENTRY_POINT(stackMode, PcbApi_QueryPadStackMode);
  const int32_t status = ExchangeRecord(message, query, FRecord);
  if (status != kPcbOk) return status;
  CallHost(stackMode, message, FHandle, &FStackMode);
  if (message == kPcbMessageRead)
    ReadLayerStack();
  else
    WriteLayerStack();
  return status;
}

// Layer by layer in ascending order, four calls a layer. The entry points are resolved once
// for the 83 layers; one that is missing leaves its values as they were. Layer 1 gives the top
// percentage, the last of the middle layers the middle one and layer 32 the bottom one.
void TPcbPad::ReadLayerStack() {
  PCB_ENTRY_POINT(shapeEntry, PcbApi_QueryPadOrViaShapeOnLayer);
  PCB_ENTRY_POINT(sizeEntry, PcbApi_QueryPadOrViaSizeOnLayer);
  PCB_ENTRY_POINT(radiusEntry, PcbApi_QueryPadCornerRadiusOnLayer);
  PCB_ENTRY_POINT(percentEntry, PcbApi_QueryPadCRPercentageOnLayer);
  auto* const shape = shapeEntry.Get();
  auto* const size = sizeEntry.Get();
  auto* const radius = radiusEntry.Get();
  auto* const percent = percentEntry.Get();
  const PcbHandle handle = FHandle;
  for (PcbLayerNumber layer = 0; layer < kLayerCount; ++layer) {
    if (shape) shape(handle, layer, &FStack.shape[layer]);
    if (size) size(handle, layer, &FStack.xSize[layer], &FStack.ySize[layer]);
    if (radius) radius(handle, layer, &FStack.cornerRadius[layer]);
    if (percent) percent(handle, layer, &FStack.cornerRadiusPercent[layer]);
  }
  FStack.topCornerRadiusPercent = FStack.cornerRadiusPercent[kTopLayer];
  FStack.middleCornerRadiusPercent = FStack.cornerRadiusPercent[kMidLayer30];
  FStack.bottomCornerRadiusPercent = FStack.cornerRadiusPercent[kBottomLayer];
}

// A full stack sets every layer's shape, size and percentage. Other modes only carry the
// top, middle and bottom percentages, written once for each rounded-rectangle layer.
void TPcbPad::WriteLayerStack() {
  PCB_ENTRY_POINT(setShape, PcbApi_SetPadShapeOnLayer);
  PCB_ENTRY_POINT(setSize, PcbApi_SetPadSizeOnLayer);
  PCB_ENTRY_POINT(setPercent, PcbApi_SetCRPctOnLayer);
  for (PcbLayerNumber layer = 0; layer < kLayerCount; ++layer) {
    if (FStackMode == kPadStackFull) {
      CallHost(setShape, FHandle, layer, FStack.shape[layer]);
      CallHost(setSize, FHandle, layer, FStack.xSize[layer], FStack.ySize[layer]);
      CallHost(setPercent, FHandle, layer, FStack.cornerRadiusPercent[layer]);
    } else if (FStack.shape[layer] == kPadShapeRoundedRectangle) {
      CallHost(setPercent, FHandle, kTopLayer, FStack.topCornerRadiusPercent);
      CallHost(setPercent, FHandle, kBottomLayer, FStack.bottomCornerRadiusPercent);
      CallHost(setPercent, FHandle, kMidLayer1, FStack.middleCornerRadiusPercent);
    }
  }
}
