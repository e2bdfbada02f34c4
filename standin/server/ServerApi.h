// The PCB server's entry points, one function per PcbApi_* entry point with the same
// arguments (see host/PcbApi.h); libkelvane.so exports each under its PcbApi_ name and stops
// exceptions there. Without a running server every call fails (1) or answers nil.
#pragma once

#include <cstdint>

#include "host/PcbApi.h"
#include "server/PadLayerQueries.h"

namespace standin::api {

// Board level (BoardApi.cpp)
PcbHandle GetCurrentBoardHandle();
PcbHandle GetBoardHandleFromFileName(const PcbShortString* fileName);
int32_t CreateBoardOutline(PcbHandle board);
int32_t UpdateBoardOutline(PcbHandle board);
int32_t QueryBoard(uint8_t message, PcbHandle board, PcbBoardRecord* r);
int32_t QueryBoardGridsEx(uint8_t message, PcbHandle board, PcbBoardGridsRecord* r);
int32_t QueryBoardLayerInfo(uint8_t message, PcbLayerNumber layer, PcbHandle board, int32_t* info);
int32_t QueryBoardSplitPlaneMode(uint8_t message, PcbHandle board, uint8_t* mode);
int32_t QueryBoardExternalDielectrics(uint8_t message, PcbHandle board,
                                      PcbExternalDielectricsRecord* r);
int32_t QueryBoardLayerPairsCount(uint8_t message, PcbHandle board, int32_t* count);
int32_t QueryBoardLayerPairAt(uint8_t message, PcbHandle board, int32_t index,
                              PcbLayerPairRecord* r);
int32_t QueryBoardOutputOptions(uint8_t message, PcbHandle board, PcbOutputOptionsRecord* r);
int32_t QueryBoardOutputOptionsPlotLayers(uint8_t message, PcbHandle board, int32_t index,
                                          uint8_t* value);
int32_t QueryBoardOutputOptionsFlipLayers(uint8_t message, PcbHandle board, int32_t index,
                                          uint8_t* value);
int32_t QueryBoardGerberOptions(uint8_t message, PcbHandle board, PcbGerberOptionsRecord* r);
int32_t QueryBoardPrinterOptions(uint8_t message, PcbHandle board, PcbPrinterOptionsRecord* r);
int32_t QueryBoardPrinterOptionsPlotterPen(uint8_t message, PcbHandle board, int32_t index,
                                           int32_t* value);
int32_t QueryBoardPrinterOptionsCompositeLayer(uint8_t message, PcbHandle board, int32_t index,
                                               uint8_t* value);
int32_t QueryBoardAdvancedPlacerOptions(uint8_t message, PcbHandle board,
                                        PcbPlacerOptionsRecord* r);
int32_t QueryBoardEngineeringChangeOrderOptions(uint8_t message, PcbHandle board,
                                                PcbEngineeringChangeOrderOptionsRecord* r);

// Layers and the layer stack (BoardApi.cpp)
int32_t QueryLayer(uint8_t message, PcbLayerNumber layer, PcbHandle board, PcbLayerRecord* r);
int32_t QueryInternalPlane(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                           PcbInternalPlaneRecord* r);
int32_t QueryLayerDielectric(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                             PcbDielectricRecord* r);
int32_t InsertLayerInStack(PcbHandle board, PcbLayerNumber newLayer, PcbLayerNumber referenceLayer);

// Iteration (ObjectApi.cpp)
PcbHandle CreateIterator(PcbHandle container, uint8_t objectKind, uint8_t method, PcbLayerId layer);
PcbHandle GetFirstObject(PcbHandle iterator);
PcbHandle GetNextObject(PcbHandle iterator);
int32_t DestroyIterator(PcbHandle iterator);

// Objects (ObjectApi.cpp)
PcbHandle CreateObject(uint8_t objectKind);
int32_t DestroyObject(PcbHandle object);
int32_t AddObjectToContainer(PcbHandle container, PcbHandle object);
int32_t DeleteObjectFromContainer(PcbHandle container, PcbHandle object);
uint8_t GetObjectIdFromObjectHandle(PcbHandle object);
int32_t GetObjectBitField2(uint8_t message, PcbHandle object, uint8_t* bits);
int32_t GetObjectBitField3(uint8_t message, PcbHandle object, uint16_t* bits);
int32_t QueryObjectBoundingRectangle(PcbHandle object, PcbRectangleRecord* r);
uint8_t QueryObjectImport_FromUser(PcbHandle object);
int32_t QueryObjectGraphicallyInvalidate(PcbHandle object);

// Primitives (PrimitiveApi.cpp)
int32_t QueryPrimitive(uint8_t message, PcbHandle object, PcbPrimitiveRecord* r);
int32_t QueryTrack(uint8_t message, PcbHandle track, PcbTrackRecord* r);
int32_t QueryArc(uint8_t message, PcbHandle arc, PcbArcRecord* r);
int32_t QueryFill(uint8_t message, PcbHandle fill, PcbFillRecord* r);
int32_t QueryVia(uint8_t message, PcbHandle via, PcbViaRecord* r);
int32_t QueryRegion(uint8_t message, PcbHandle region, PcbRegionRecord* r);
int32_t QueryPolygon(uint8_t message, PcbHandle polygon, PcbPolygonRecord* r);
int32_t QuerySplitPlane(uint8_t message, PcbHandle splitPlane, PcbSplitPlaneRecord* r);

// Pads (PadApi.cpp)
int32_t QueryPad(uint8_t message, PcbHandle pad, PcbPadRecord* r);
int32_t QueryPadStackMode(uint8_t message, PcbHandle pad, uint8_t* stackMode);
// The four per-layer queries (QueryPadOrViaShapeOnLayer, QueryPadOrViaSizeOnLayer,
// QueryPadCornerRadiusOnLayer, QueryPadCRPercentageOnLayer) are inline: PadLayerQueries.h.
int32_t SetPadShapeOnLayer(PcbHandle pad, PcbLayerNumber layer, uint8_t shape);
int32_t SetPadSizeOnLayer(PcbHandle pad, PcbLayerNumber layer, int32_t xSize, int32_t ySize);
int32_t SetCRPctOnLayer(PcbHandle pad, PcbLayerNumber layer, uint8_t percent);

// Texts (PrimitiveApi.cpp)
int32_t QueryText(uint8_t message, PcbHandle text, PcbTextRecord* r);
int32_t QueryTrueTypeTextInfo(uint8_t message, PcbHandle text, PcbTrueTypeTextRecord* r);
int32_t QueryBarCodeTextInfo(uint8_t message, PcbHandle text, PcbBarCodeTextRecord* r);
int32_t GetDesignatorDisplayString(PcbHandle text, PcbString254* display);

// Components, nets, from-tos, embedded and carried objects (GroupApi.cpp)
int32_t QueryComponentChannelOffset(uint8_t message, PcbHandle component, int32_t* channelOffset);
int32_t QueryComponentKind(uint8_t message, PcbHandle component, uint8_t* componentKind);
int32_t QueryComponent(uint8_t message, PcbHandle component, PcbComponentRecord* r);
int32_t QueryComponentEx(uint8_t message, PcbHandle component, PcbComponentExRecord* r);
int32_t QueryComponentSourceLinks(uint8_t message, PcbHandle component,
                                  PcbComponentSourceLinksRecord* r);
int32_t QueryDefaultPCB3DModel(uint8_t message, PcbHandle component, PcbShortString* model);
int32_t QueryNet(uint8_t message, PcbHandle net, PcbNetRecord* r);
int32_t QueryFromTo(uint8_t message, PcbHandle fromTo, PcbFromToRecord* r);
int32_t QueryManualFromTo(uint8_t message, PcbHandle fromTo, PcbManualFromToRecord* r);
int32_t QueryEmbedded(uint8_t message, PcbHandle embedded, PcbEmbeddedRecord* r);
int32_t QueryEmbeddedBoard(uint8_t message, PcbHandle embeddedBoard, PcbEmbeddedBoardRecord* r);
int32_t QueryCoordinate(uint8_t message, PcbHandle coordinate, PcbCoordinateRecord* r);
int32_t QueryDimension(uint8_t message, PcbHandle dimension, PcbDimensionRecord* r);
int32_t QueryExtDimension(uint8_t message, PcbHandle dimension, PcbExtDimensionRecord* r);
int32_t References_Count(PcbHandle dimension);
int32_t References_At(uint8_t message, PcbHandle dimension, int32_t index,
                      PcbDimensionReferenceRecord* r);
int32_t QueryViolation(uint8_t message, PcbHandle violation, PcbViolationRecord* r);

// Classes (GroupApi.cpp)
PcbHandle CreateClassObject(uint8_t memberKind);
int32_t QueryClass(uint8_t message, PcbHandle objectClass, PcbClassRecord* r);
int32_t GetMemberFromClassAt(PcbHandle objectClass, int32_t index, PcbShortString* name);
int32_t AddMemberToClass(PcbHandle objectClass, const PcbShortString* name);
int32_t RemoveAllMembersFromClass(PcbHandle objectClass);

// Rules (RuleApi.cpp)
PcbHandle CreateRuleObject(uint8_t ruleKind);
int32_t QueryRule(uint8_t message, PcbHandle rule, PcbRuleRecord* r);
int32_t QueryRuleEx(uint8_t message, PcbHandle rule, PcbRuleExRecord* r);
int32_t QueryRuleExt(uint8_t message, PcbHandle rule, PcbRuleExtRecord* r);
int32_t QueryRuleExtEx(uint8_t message, PcbHandle rule, PcbShortString* name);
int32_t GetState_SubScopesCount(PcbHandle rule, uint8_t scope);
int32_t GetState_SubscopeAt(PcbHandle rule, uint8_t scope, int32_t index, PcbSubScopeRecord* r);
int32_t SetState_DeleteAllSubScopes(PcbHandle rule, uint8_t scope);
int32_t SetState_AddSubscope(PcbHandle rule, uint8_t scope, const PcbSubScopeRecord* r);
int32_t QueryRuleClearanceConstraint(uint8_t message, PcbHandle rule,
                                     PcbClearanceConstraintRecord* r);
int32_t QueryRuleParallelSegmentConstraint(uint8_t message, PcbHandle rule,
                                           PcbParallelSegmentConstraintRecord* r);
int32_t QueryRuleMaxMinWidthConstraintExt(uint8_t message, PcbHandle rule,
                                          PcbMaxMinWidthConstraintRecord* r);
int32_t QueryRuleDaisyChainStubLengthConstraint(uint8_t message, PcbHandle rule,
                                                PcbDaisyChainStubLengthConstraintRecord* r);
int32_t QueryRuleRoutingTopologyRule(uint8_t message, PcbHandle rule,
                                     PcbRoutingTopologyRuleRecord* r);
int32_t QueryRuleRoutingLayersRule(uint8_t message, PcbHandle rule, PcbRoutingLayersRuleRecord* r);
int32_t QueryRuleRoutingViaStyleRuleExt(uint8_t message, PcbHandle rule,
                                        PcbRoutingViaStyleRuleRecord* r);
int32_t QueryRuleViasUnderSMDConstraint(uint8_t message, PcbHandle rule,
                                        PcbViasUnderSMDConstraintRecord* r);
int32_t QueryRuleMaximumViaCountRule(uint8_t message, PcbHandle rule,
                                     PcbMaximumViaCountRuleRecord* r);
int32_t QueryRuleSMDToCorner(uint8_t message, PcbHandle rule, PcbSMDToCornerRecord* r);

// Progress (ProgressApi.cpp)
int32_t Percent_Init(const PcbShortString* caption, int32_t total);
int32_t Percent_Update(int32_t steps);
int32_t Percent_Finish();

}  // namespace standin::api
