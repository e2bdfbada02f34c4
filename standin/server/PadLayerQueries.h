// The per-layer queries of pads and vias: a new pad is read back four values a layer, 83
// layers over, so each query is inline in its exported entry point. One table read finds the
// object (the object found last is at hand), a kind test tells a pad from a via, and the pad
// works its values out from its top, middle and bottom values or its own table.
#pragma once

#include <cstdint>

#include "host/PcbApi.h"
#include "server/PadObject.h"
#include "server/RecordExchange.h"

namespace standin::api {

// A via's values on a layer: its diameter as a round shape on the layers it covers.
TPadLayerValues ViaValuesOnLayer(const TBoardObject& via, PcbLayerNumber layer);

// The pad of the handle; null for other handles and layers beyond 82.
inline const TPadObject* PadForLayerQuery(PcbHandle handle, PcbLayerNumber layer) {
  const TPcbModel* model = ServerModel();
  if (!model || !IsLayerNumber(layer)) return nullptr;
  const TBoardObject* object = model->Find(handle);
  return object && object->Kind() == TPadObject::kKind ? static_cast<const TPadObject*>(object)
                                                        : nullptr;
}

// The pad's or via's values on the layer into values; false for other handles and layers
// beyond 82.
inline bool PadOrViaValuesOnLayer(PcbHandle handle, PcbLayerNumber layer,
                                  TPadLayerValues& values) {
  const TPcbModel* model = ServerModel();
  if (!model || !IsLayerNumber(layer)) return false;
  const TBoardObject* object = model->Find(handle);
  if (!object) return false;
  if (object->Kind() == TPadObject::kKind) {
    values = static_cast<const TPadObject*>(object)->ValuesOnLayer(layer);
    return true;
  }
  if (object->Kind() != kPcbObjectVia) return false;
  values = ViaValuesOnLayer(*object, layer);
  return true;
}

inline int32_t QueryPadOrViaShapeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer,
                                         uint8_t* shape) {
  TPadLayerValues values;
  if (!shape || !PadOrViaValuesOnLayer(padOrVia, layer, values)) return kPcbFail;
  *shape = values.Shape;
  return kPcbOk;
}

inline int32_t QueryPadOrViaSizeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer,
                                        int32_t* xSize, int32_t* ySize) {
  TPadLayerValues values;
  if (!xSize || !ySize || !PadOrViaValuesOnLayer(padOrVia, layer, values)) return kPcbFail;
  *xSize = values.XSize;
  *ySize = values.YSize;
  return kPcbOk;
}

inline int32_t QueryPadCornerRadiusOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                           int32_t* cornerRadius) {
  const TPadObject* found = cornerRadius ? PadForLayerQuery(pad, layer) : nullptr;
  if (!found) return kPcbFail;
  *cornerRadius = found->CornerRadiusOnLayer(layer);
  return kPcbOk;
}

inline int32_t QueryPadCRPercentageOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                           uint8_t* percent) {
  const TPadObject* found = percent ? PadForLayerQuery(pad, layer) : nullptr;
  if (!found) return kPcbFail;
  *percent = found->ValuesOnLayer(layer).CornerRadiusPercent;
  return kPcbOk;
}

}  // namespace standin::api
