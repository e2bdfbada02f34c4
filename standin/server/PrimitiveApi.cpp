// Record exchanges of primitives: the common fields of any object, tracks, arcs, fills, vias,
// regions, polygons (and the board outline), split planes and texts.
#include "server/OutlineObjects.h"
#include "server/Primitives.h"
#include "server/RecordExchange.h"
#include "server/ServerApi.h"

namespace standin::api {

int32_t QueryPrimitive(uint8_t message, PcbHandle object, PcbPrimitiveRecord* r) {
  return ExchangeObjectRecord<TBoardObject>(message, object, r);
}

int32_t QueryTrack(uint8_t message, PcbHandle track, PcbTrackRecord* r) {
  return ExchangeObjectRecord<TTrackObject>(message, track, r);
}

int32_t QueryArc(uint8_t message, PcbHandle arc, PcbArcRecord* r) {
  return ExchangeObjectRecord<TArcObject>(message, arc, r);
}

int32_t QueryFill(uint8_t message, PcbHandle fill, PcbFillRecord* r) {
  return ExchangeObjectRecord<TFillObject>(message, fill, r);
}

int32_t QueryVia(uint8_t message, PcbHandle via, PcbViaRecord* r) {
  return ExchangeObjectRecord<TViaObject>(message, via, r);
}

int32_t QueryRegion(uint8_t message, PcbHandle region, PcbRegionRecord* r) {
  return ExchangeObjectRecord<TRegionObject>(message, region, r);
}

int32_t QueryPolygon(uint8_t message, PcbHandle polygon, PcbPolygonRecord* r) {
  return ExchangeObjectRecord<TPolygonObject>(message, polygon, r);
}

int32_t QuerySplitPlane(uint8_t message, PcbHandle splitPlane, PcbSplitPlaneRecord* r) {
  return ExchangeObjectRecord<TSplitPlaneObject>(message, splitPlane, r);
}

int32_t QueryText(uint8_t message, PcbHandle text, PcbTextRecord* r) {
  return ExchangeObjectRecord<TTextObject>(message, text, r);
}

int32_t QueryTrueTypeTextInfo(uint8_t message, PcbHandle text, PcbTrueTypeTextRecord* r) {
  return ExchangeObjectRecord<TTextObject>(message, text, r);
}

int32_t QueryBarCodeTextInfo(uint8_t message, PcbHandle text, PcbBarCodeTextRecord* r) {
  return ExchangeObjectRecord<TTextObject>(message, text, r);
}

// The board shows a text as it is.
int32_t GetDesignatorDisplayString(PcbHandle text, PcbString254* display) {
  TPcbModel* model = ServerModel();
  const TTextObject* found = model && display ? model->FindAs<TTextObject>(text) : nullptr;
  if (!found) return kPcbFail;
  *display = found->Record().text;
  return kPcbOk;
}

}  // namespace standin::api
