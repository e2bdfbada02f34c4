// The exported C entry points of libkelvane.so: the client's start of the "PCB" server and its
// progress sink, and every PcbApi_* entry point of the host interface. Each forwards to the
// server (standin::api) and stops any exception here.
#include "server/exports/KelvaneExports.h"

#include "boundary/GuardedCall.h"
#include "host/PcbApi.h"
#include "server/Progress.h"
#include "server/RunningServer.h"
#include "server/ServerApi.h"

using standin::GuardedCall;

extern "C" {

KELVANE_EXPORT host::HResult Kelvane_StartPcbServer(host::IClient* client,
                                                    host::IServerModule** module) {
  return GuardedCall(host::kUnexpected, [&] { return standin::StartPcbServer(client, module); });
}

KELVANE_EXPORT void Kelvane_SetProgressSink(standin::IProgressSink* sink) {
  standin::SetProgressSink(sink);
}

KELVANE_EXPORT PcbHandle PcbApi_GetCurrentBoardHandle() {
  return GuardedCall(PcbHandle{0}, [&] { return standin::api::GetCurrentBoardHandle(); });
}

KELVANE_EXPORT PcbHandle PcbApi_GetBoardHandleFromFileName(const PcbShortString* fileName) {
  return GuardedCall(PcbHandle{0},
                     [&] { return standin::api::GetBoardHandleFromFileName(fileName); });
}

KELVANE_EXPORT int32_t PcbApi_CreateBoardOutline(PcbHandle board) {
  return GuardedCall(kPcbFail, [&] { return standin::api::CreateBoardOutline(board); });
}

KELVANE_EXPORT int32_t PcbApi_UpdateBoardOutline(PcbHandle board) {
  return GuardedCall(kPcbFail, [&] { return standin::api::UpdateBoardOutline(board); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoard(uint8_t message, PcbHandle board, PcbBoardRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryBoard(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardGridsEx(uint8_t message, PcbHandle board,
                                                PcbBoardGridsRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryBoardGridsEx(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardLayerInfo(uint8_t message, PcbLayerNumber layer,
                                                  PcbHandle board, int32_t* info) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryBoardLayerInfo(message, layer, board, info); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardSplitPlaneMode(uint8_t message, PcbHandle board,
                                                       uint8_t* mode) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryBoardSplitPlaneMode(message, board, mode); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardExternalDielectrics(uint8_t message, PcbHandle board,
                                                            PcbExternalDielectricsRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryBoardExternalDielectrics(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardLayerPairsCount(uint8_t message, PcbHandle board,
                                                        int32_t* count) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryBoardLayerPairsCount(message, board, count); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardLayerPairAt(uint8_t message, PcbHandle board, int32_t index,
                                                    PcbLayerPairRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryBoardLayerPairAt(message, board, index, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardOutputOptions(uint8_t message, PcbHandle board,
                                                      PcbOutputOptionsRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryBoardOutputOptions(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardOutputOptionsPlotLayers(uint8_t message, PcbHandle board,
                                                                int32_t index, uint8_t* value) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryBoardOutputOptionsPlotLayers(message, board, index, value);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardOutputOptionsFlipLayers(uint8_t message, PcbHandle board,
                                                                int32_t index, uint8_t* value) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryBoardOutputOptionsFlipLayers(message, board, index, value);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardGerberOptions(uint8_t message, PcbHandle board,
                                                      PcbGerberOptionsRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryBoardGerberOptions(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardPrinterOptions(uint8_t message, PcbHandle board,
                                                       PcbPrinterOptionsRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryBoardPrinterOptions(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardPrinterOptionsPlotterPen(uint8_t message, PcbHandle board,
                                                                 int32_t index, int32_t* value) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryBoardPrinterOptionsPlotterPen(message, board, index, value);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardPrinterOptionsCompositeLayer(uint8_t message,
                                                                     PcbHandle board, int32_t index,
                                                                     uint8_t* value) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryBoardPrinterOptionsCompositeLayer(message, board, index, value);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardAdvancedPlacerOptions(uint8_t message, PcbHandle board,
                                                              PcbPlacerOptionsRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryBoardAdvancedPlacerOptions(message, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBoardEngineeringChangeOrderOptions(
    uint8_t message, PcbHandle board, PcbEngineeringChangeOrderOptionsRecord* r) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryBoardEngineeringChangeOrderOptions(message, board, r);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryLayer(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                                         PcbLayerRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryLayer(message, layer, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryInternalPlane(uint8_t message, PcbLayerNumber layer,
                                                 PcbHandle board, PcbInternalPlaneRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryInternalPlane(message, layer, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryLayerDielectric(uint8_t message, PcbLayerNumber layer,
                                                   PcbHandle board, PcbDielectricRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryLayerDielectric(message, layer, board, r); });
}

KELVANE_EXPORT int32_t PcbApi_InsertLayerInStack(PcbHandle board, PcbLayerNumber newLayer,
                                                 PcbLayerNumber referenceLayer) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::InsertLayerInStack(board, newLayer, referenceLayer); });
}

KELVANE_EXPORT PcbHandle PcbApi_CreateIterator(PcbHandle container, uint8_t objectKind,
                                               uint8_t method, PcbLayerId layer) {
  return GuardedCall(PcbHandle{0}, [&] {
    return standin::api::CreateIterator(container, objectKind, method, layer);
  });
}

KELVANE_EXPORT PcbHandle PcbApi_GetFirstObject(PcbHandle iterator) {
  return GuardedCall(PcbHandle{0}, [&] { return standin::api::GetFirstObject(iterator); });
}

KELVANE_EXPORT PcbHandle PcbApi_GetNextObject(PcbHandle iterator) {
  return GuardedCall(PcbHandle{0}, [&] { return standin::api::GetNextObject(iterator); });
}

KELVANE_EXPORT int32_t PcbApi_DestroyIterator(PcbHandle iterator) {
  return GuardedCall(kPcbFail, [&] { return standin::api::DestroyIterator(iterator); });
}

KELVANE_EXPORT PcbHandle PcbApi_CreateObject(uint8_t objectKind) {
  return GuardedCall(PcbHandle{0}, [&] { return standin::api::CreateObject(objectKind); });
}

KELVANE_EXPORT int32_t PcbApi_DestroyObject(PcbHandle object) {
  return GuardedCall(kPcbFail, [&] { return standin::api::DestroyObject(object); });
}

KELVANE_EXPORT int32_t PcbApi_AddObjectToContainer(PcbHandle container, PcbHandle object) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::AddObjectToContainer(container, object); });
}

KELVANE_EXPORT int32_t PcbApi_DeleteObjectFromContainer(PcbHandle container, PcbHandle object) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::DeleteObjectFromContainer(container, object); });
}

KELVANE_EXPORT uint8_t PcbApi_GetObjectIdFromObjectHandle(PcbHandle object) {
  return GuardedCall(uint8_t{0}, [&] { return standin::api::GetObjectIdFromObjectHandle(object); });
}

KELVANE_EXPORT int32_t PcbApi_GetObjectBitField2(uint8_t message, PcbHandle object, uint8_t* bits) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::GetObjectBitField2(message, object, bits); });
}

KELVANE_EXPORT int32_t PcbApi_GetObjectBitField3(uint8_t message, PcbHandle object,
                                                 uint16_t* bits) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::GetObjectBitField3(message, object, bits); });
}

KELVANE_EXPORT int32_t PcbApi_QueryObjectBoundingRectangle(PcbHandle object,
                                                           PcbRectangleRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryObjectBoundingRectangle(object, r); });
}

KELVANE_EXPORT uint8_t PcbApi_QueryObjectImport_FromUser(PcbHandle object) {
  return GuardedCall(uint8_t{0}, [&] { return standin::api::QueryObjectImport_FromUser(object); });
}

KELVANE_EXPORT int32_t PcbApi_QueryObjectGraphicallyInvalidate(PcbHandle object) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryObjectGraphicallyInvalidate(object); });
}

KELVANE_EXPORT int32_t PcbApi_QueryPrimitive(uint8_t message, PcbHandle object,
                                             PcbPrimitiveRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryPrimitive(message, object, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryTrack(uint8_t message, PcbHandle track, PcbTrackRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryTrack(message, track, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryArc(uint8_t message, PcbHandle arc, PcbArcRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryArc(message, arc, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryFill(uint8_t message, PcbHandle fill, PcbFillRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryFill(message, fill, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryVia(uint8_t message, PcbHandle via, PcbViaRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryVia(message, via, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRegion(uint8_t message, PcbHandle region, PcbRegionRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryRegion(message, region, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryPolygon(uint8_t message, PcbHandle polygon,
                                           PcbPolygonRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryPolygon(message, polygon, r); });
}

KELVANE_EXPORT int32_t PcbApi_QuerySplitPlane(uint8_t message, PcbHandle splitPlane,
                                              PcbSplitPlaneRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QuerySplitPlane(message, splitPlane, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryPad(uint8_t message, PcbHandle pad, PcbPadRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryPad(message, pad, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryPadStackMode(uint8_t message, PcbHandle pad,
                                                uint8_t* stackMode) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryPadStackMode(message, pad, stackMode); });
}

KELVANE_EXPORT int32_t PcbApi_QueryPadOrViaShapeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer,
                                                        uint8_t* shape) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryPadOrViaShapeOnLayer(padOrVia, layer, shape); });
}

KELVANE_EXPORT int32_t PcbApi_QueryPadOrViaSizeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer,
                                                       int32_t* xSize, int32_t* ySize) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryPadOrViaSizeOnLayer(padOrVia, layer, xSize, ySize);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryPadCornerRadiusOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                                          int32_t* cornerRadius) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryPadCornerRadiusOnLayer(pad, layer, cornerRadius);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryPadCRPercentageOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                                          uint8_t* percent) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryPadCRPercentageOnLayer(pad, layer, percent); });
}

KELVANE_EXPORT int32_t PcbApi_SetPadShapeOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                                 uint8_t shape) {
  return GuardedCall(kPcbFail, [&] { return standin::api::SetPadShapeOnLayer(pad, layer, shape); });
}

KELVANE_EXPORT int32_t PcbApi_SetPadSizeOnLayer(PcbHandle pad, PcbLayerNumber layer, int32_t xSize,
                                                int32_t ySize) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::SetPadSizeOnLayer(pad, layer, xSize, ySize); });
}

KELVANE_EXPORT int32_t PcbApi_SetCRPctOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                              uint8_t percent) {
  return GuardedCall(kPcbFail, [&] { return standin::api::SetCRPctOnLayer(pad, layer, percent); });
}

KELVANE_EXPORT int32_t PcbApi_QueryText(uint8_t message, PcbHandle text, PcbTextRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryText(message, text, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryTrueTypeTextInfo(uint8_t message, PcbHandle text,
                                                    PcbTrueTypeTextRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryTrueTypeTextInfo(message, text, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryBarCodeTextInfo(uint8_t message, PcbHandle text,
                                                   PcbBarCodeTextRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryBarCodeTextInfo(message, text, r); });
}

KELVANE_EXPORT int32_t PcbApi_GetDesignatorDisplayString(PcbHandle text, PcbString254* display) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::GetDesignatorDisplayString(text, display); });
}

KELVANE_EXPORT int32_t PcbApi_QueryComponentChannelOffset(uint8_t message, PcbHandle component,
                                                          int32_t* channelOffset) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryComponentChannelOffset(message, component, channelOffset);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryComponentKind(uint8_t message, PcbHandle component,
                                                 uint8_t* componentKind) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryComponentKind(message, component, componentKind);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryComponent(uint8_t message, PcbHandle component,
                                             PcbComponentRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryComponent(message, component, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryComponentEx(uint8_t message, PcbHandle component,
                                               PcbComponentExRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryComponentEx(message, component, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryComponentSourceLinks(uint8_t message, PcbHandle component,
                                                        PcbComponentSourceLinksRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryComponentSourceLinks(message, component, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryDefaultPCB3DModel(uint8_t message, PcbHandle component,
                                                     PcbShortString* model) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryDefaultPCB3DModel(message, component, model); });
}

KELVANE_EXPORT int32_t PcbApi_QueryNet(uint8_t message, PcbHandle net, PcbNetRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryNet(message, net, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryFromTo(uint8_t message, PcbHandle fromTo, PcbFromToRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryFromTo(message, fromTo, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryManualFromTo(uint8_t message, PcbHandle fromTo,
                                                PcbManualFromToRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryManualFromTo(message, fromTo, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryEmbedded(uint8_t message, PcbHandle embedded,
                                            PcbEmbeddedRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryEmbedded(message, embedded, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryEmbeddedBoard(uint8_t message, PcbHandle embeddedBoard,
                                                 PcbEmbeddedBoardRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryEmbeddedBoard(message, embeddedBoard, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryCoordinate(uint8_t message, PcbHandle coordinate,
                                              PcbCoordinateRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryCoordinate(message, coordinate, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryDimension(uint8_t message, PcbHandle dimension,
                                             PcbDimensionRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryDimension(message, dimension, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryExtDimension(uint8_t message, PcbHandle dimension,
                                                PcbExtDimensionRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryExtDimension(message, dimension, r); });
}

KELVANE_EXPORT int32_t PcbApi_References_Count(PcbHandle dimension) {
  return GuardedCall(int32_t{0}, [&] { return standin::api::References_Count(dimension); });
}

KELVANE_EXPORT int32_t PcbApi_References_At(uint8_t message, PcbHandle dimension, int32_t index,
                                            PcbDimensionReferenceRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::References_At(message, dimension, index, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryViolation(uint8_t message, PcbHandle violation,
                                             PcbViolationRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryViolation(message, violation, r); });
}

KELVANE_EXPORT PcbHandle PcbApi_CreateClassObject(uint8_t memberKind) {
  return GuardedCall(PcbHandle{0}, [&] { return standin::api::CreateClassObject(memberKind); });
}

KELVANE_EXPORT int32_t PcbApi_QueryClass(uint8_t message, PcbHandle objectClass,
                                         PcbClassRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryClass(message, objectClass, r); });
}

KELVANE_EXPORT int32_t PcbApi_GetMemberFromClassAt(PcbHandle objectClass, int32_t index,
                                                   PcbShortString* name) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::GetMemberFromClassAt(objectClass, index, name); });
}

KELVANE_EXPORT int32_t PcbApi_AddMemberToClass(PcbHandle objectClass, const PcbShortString* name) {
  return GuardedCall(kPcbFail, [&] { return standin::api::AddMemberToClass(objectClass, name); });
}

KELVANE_EXPORT int32_t PcbApi_RemoveAllMembersFromClass(PcbHandle objectClass) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::RemoveAllMembersFromClass(objectClass); });
}

KELVANE_EXPORT PcbHandle PcbApi_CreateRuleObject(uint8_t ruleKind) {
  return GuardedCall(PcbHandle{0}, [&] { return standin::api::CreateRuleObject(ruleKind); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRule(uint8_t message, PcbHandle rule, PcbRuleRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryRule(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleEx(uint8_t message, PcbHandle rule, PcbRuleExRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryRuleEx(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleExt(uint8_t message, PcbHandle rule, PcbRuleExtRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryRuleExt(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleExtEx(uint8_t message, PcbHandle rule,
                                             PcbShortString* name) {
  return GuardedCall(kPcbFail, [&] { return standin::api::QueryRuleExtEx(message, rule, name); });
}

KELVANE_EXPORT int32_t PcbApi_GetState_SubScopesCount(PcbHandle rule, uint8_t scope) {
  return GuardedCall(int32_t{0},
                     [&] { return standin::api::GetState_SubScopesCount(rule, scope); });
}

KELVANE_EXPORT int32_t PcbApi_GetState_SubscopeAt(PcbHandle rule, uint8_t scope, int32_t index,
                                                  PcbSubScopeRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::GetState_SubscopeAt(rule, scope, index, r); });
}

KELVANE_EXPORT int32_t PcbApi_SetState_DeleteAllSubScopes(PcbHandle rule, uint8_t scope) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::SetState_DeleteAllSubScopes(rule, scope); });
}

KELVANE_EXPORT int32_t PcbApi_SetState_AddSubscope(PcbHandle rule, uint8_t scope,
                                                   const PcbSubScopeRecord* r) {
  return GuardedCall(kPcbFail, [&] { return standin::api::SetState_AddSubscope(rule, scope, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleClearanceConstraint(uint8_t message, PcbHandle rule,
                                                           PcbClearanceConstraintRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryRuleClearanceConstraint(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleParallelSegmentConstraint(
    uint8_t message, PcbHandle rule, PcbParallelSegmentConstraintRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryRuleParallelSegmentConstraint(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleMaxMinWidthConstraintExt(uint8_t message, PcbHandle rule,
                                                                PcbMaxMinWidthConstraintRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryRuleMaxMinWidthConstraintExt(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleDaisyChainStubLengthConstraint(
    uint8_t message, PcbHandle rule, PcbDaisyChainStubLengthConstraintRecord* r) {
  return GuardedCall(kPcbFail, [&] {
    return standin::api::QueryRuleDaisyChainStubLengthConstraint(message, rule, r);
  });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleRoutingTopologyRule(uint8_t message, PcbHandle rule,
                                                           PcbRoutingTopologyRuleRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryRuleRoutingTopologyRule(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleRoutingLayersRule(uint8_t message, PcbHandle rule,
                                                         PcbRoutingLayersRuleRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryRuleRoutingLayersRule(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleRoutingViaStyleRuleExt(uint8_t message, PcbHandle rule,
                                                              PcbRoutingViaStyleRuleRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryRuleRoutingViaStyleRuleExt(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleViasUnderSMDConstraint(uint8_t message, PcbHandle rule,
                                                              PcbViasUnderSMDConstraintRecord* r) {
  return GuardedCall(
      kPcbFail, [&] { return standin::api::QueryRuleViasUnderSMDConstraint(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleMaximumViaCountRule(uint8_t message, PcbHandle rule,
                                                           PcbMaximumViaCountRuleRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryRuleMaximumViaCountRule(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_QueryRuleSMDToCorner(uint8_t message, PcbHandle rule,
                                                   PcbSMDToCornerRecord* r) {
  return GuardedCall(kPcbFail,
                     [&] { return standin::api::QueryRuleSMDToCorner(message, rule, r); });
}

KELVANE_EXPORT int32_t PcbApi_Percent_Init(const PcbShortString* caption, int32_t total) {
  return GuardedCall(kPcbFail, [&] { return standin::api::Percent_Init(caption, total); });
}

KELVANE_EXPORT int32_t PcbApi_Percent_Update(int32_t steps) {
  return GuardedCall(kPcbFail, [&] { return standin::api::Percent_Update(steps); });
}

KELVANE_EXPORT int32_t PcbApi_Percent_Finish() {
  return GuardedCall(kPcbFail, [&] { return standin::api::Percent_Finish(); });
}

}  // extern "C"
