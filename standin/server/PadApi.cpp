// Pad entry points: the pad record, its stack mode and the changes of its values per layer
// (the per-layer queries are inline: PadLayerQueries.h).
#include "server/PadObject.h"
#include "server/Primitives.h"
#include "server/RecordExchange.h"
#include "server/ServerApi.h"

namespace standin::api {
namespace {

template <class Set>
int32_t ChangePadOnLayer(PcbHandle handle, PcbLayerNumber layer, Set&& set) {
  TPcbModel* model = ServerModel();
  TPadObject* pad = model && IsLayerNumber(layer) ? model->FindAs<TPadObject>(handle) : nullptr;
  if (!pad) return kPcbFail;
  model->Change(*pad, [&] { set(*pad); });
  return kPcbOk;
}

}  // namespace

TPadLayerValues ViaValuesOnLayer(const TBoardObject& object, PcbLayerNumber layer) {
  const auto& via = static_cast<const TViaObject&>(object);
  if (!via.CoversLayer(layer)) return {};
  const int32_t diameter = via.Record().diameter;
  return {kPadShapeRound, diameter, diameter, 0};
}

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
