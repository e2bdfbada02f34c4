// Pad entry points: the pad record, its stack mode and its values per layer (vias answer the
// shape and size queries too).
#include "server/PadObject.h"
#include "server/Primitives.h"
#include "server/RecordExchange.h"
#include "server/ServerApi.h"

namespace standin::api {
namespace {

// The pad's or via's values on a layer; nothing for other handles and layers beyond 82. One
// lookup and a kind test: the host reads a new pad four values a layer, 83 layers over.
std::optional<TPadLayerValues> PadOrViaValues(PcbHandle handle, PcbLayerNumber layer) {
  TPcbModel* model = ServerModel();
  const TBoardObject* object = model && IsLayerNumber(layer) ? model->Find(handle) : nullptr;
  if (!object) return std::nullopt;
  if (object->Kind() == TPadObject::kKind)
    return static_cast<const TPadObject*>(object)->ValuesOnLayer(layer);
  if (object->Kind() != TViaObject::kKind) return std::nullopt;
  const auto* via = static_cast<const TViaObject*>(object);
  if (!via->CoversLayer(layer)) return TPadLayerValues{};
  const int32_t diameter = via->Record().diameter;
  return TPadLayerValues{kPadShapeRound, diameter, diameter, 0};
}

template <class Set>
int32_t ChangePadOnLayer(PcbHandle handle, PcbLayerNumber layer, Set&& set) {
  TPcbModel* model = ServerModel();
  TPadObject* pad = model && IsLayerNumber(layer) ? model->FindAs<TPadObject>(handle) : nullptr;
  if (!pad) return kPcbFail;
  model->Change(*pad, [&] { set(*pad); });
  return kPcbOk;
}

}  // namespace

int32_t QueryPad(uint8_t message, PcbHandle pad, PcbPadRecord* r) {
  return ExchangeObjectRecord<TPadObject>(message, pad, r);
}

int32_t QueryPadStackMode(uint8_t message, PcbHandle handle, uint8_t* stackMode) {
  TPcbModel* model = ServerModel();
  TPadObject* pad = model && stackMode ? model->FindAs<TPadObject>(handle) : nullptr;
  if (!pad) return kPcbFail;
  if (message == kPcbMessageRead) {
    *stackMode = pad->StackMode();
    return kPcbOk;
  }
  if (!IsWriteMessage(message) || *stackMode > kPadStackFull) return kPcbFail;
  model->Change(*pad, [&] { pad->SetStackMode(*stackMode); });
  return kPcbOk;
}

int32_t QueryPadOrViaShapeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer, uint8_t* shape) {
  const std::optional<TPadLayerValues> values = PadOrViaValues(padOrVia, layer);
  if (!values || !shape) return kPcbFail;
  *shape = values->Shape;
  return kPcbOk;
}

int32_t QueryPadOrViaSizeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer, int32_t* xSize,
                                 int32_t* ySize) {
  const std::optional<TPadLayerValues> values = PadOrViaValues(padOrVia, layer);
  if (!values || !xSize || !ySize) return kPcbFail;
  *xSize = values->XSize;
  *ySize = values->YSize;
  return kPcbOk;
}

int32_t QueryPadCornerRadiusOnLayer(PcbHandle handle, PcbLayerNumber layer,
                                    int32_t* cornerRadius) {
  TPcbModel* model = ServerModel();
  const TPadObject* pad = model && cornerRadius && IsLayerNumber(layer)
                              ? model->FindAs<TPadObject>(handle)
                              : nullptr;
  if (!pad) return kPcbFail;
  *cornerRadius = pad->CornerRadiusOnLayer(layer);
  return kPcbOk;
}

int32_t QueryPadCRPercentageOnLayer(PcbHandle handle, PcbLayerNumber layer, uint8_t* percent) {
  TPcbModel* model = ServerModel();
  const TPadObject* pad =
      model && percent && IsLayerNumber(layer) ? model->FindAs<TPadObject>(handle) : nullptr;
  if (!pad) return kPcbFail;
  *percent = pad->ValuesOnLayer(layer).CornerRadiusPercent;
  return kPcbOk;
}

int32_t SetPadShapeOnLayer(PcbHandle pad, PcbLayerNumber layer, uint8_t shape) {
  return ChangePadOnLayer(pad, layer, [&](TPadObject& p) { p.SetShapeOnLayer(layer, shape); });
}

int32_t SetPadSizeOnLayer(PcbHandle pad, PcbLayerNumber layer, int32_t xSize, int32_t ySize) {
  return ChangePadOnLayer(pad, layer,
                          [&](TPadObject& p) { p.SetSizeOnLayer(layer, xSize, ySize); });
}

int32_t SetCRPctOnLayer(PcbHandle pad, PcbLayerNumber layer, uint8_t percent) {
  return ChangePadOnLayer(pad, layer,
                          [&](TPadObject& p) { p.SetCornerRadiusPercentOnLayer(layer, percent); });
}

}  // namespace standin::api
