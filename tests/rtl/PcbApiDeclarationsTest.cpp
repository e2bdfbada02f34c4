// Compile-time checks of the host PCB library's declarations: record capacities, exchange
// order of the common fields, and the calling form of every entry point. Entry points are
// named only in unevaluated operands (decltype), so nothing here links against the library;
// a misspelt or missing name fails the build.
#include <cstddef>
#include <type_traits>

#include "host/PcbApi.h"

namespace {

template <class Array>
constexpr std::size_t kCapacity = std::extent_v<Array>;

// Records cross the C boundary by pointer: plain data only.
template <class... Records>
constexpr bool kAllPlain =
    ((std::is_standard_layout_v<Records> && std::is_trivial_v<Records>) && ...);

// --- Capacities the callers rely on -------------------------------------------------------------

static_assert(kCapacity<decltype(PcbOutlineRecord::segments)> == 5001);
static_assert(kCapacity<decltype(PcbShortString::text)> == 255);
static_assert(kCapacity<decltype(PcbPadRecord::name.text)> == 20);
static_assert(kCapacity<decltype(PcbTextRecord::text.text)> == 254);
static_assert(kCapacity<decltype(PcbEmbeddedRecord::data)> == 4096);
static_assert(kCapacity<decltype(PcbRoutingLayersRuleRecord::layers)> == 32);
static_assert(kCapacity<decltype(PcbComponentSourceLinksRecord::links)> == 8);
static_assert(sizeof(PcbBoardGridsRecord) == 16 * sizeof(double));

static_assert(kAllPlain<PcbPadLayerStack>);

// Every per-layer pad array covers the layer numbers 0..82.
static_assert(kCapacity<decltype(PcbPadLayerStack::shape)> == 83);
static_assert(kCapacity<decltype(PcbPadLayerStack::xSize)> == 83);
static_assert(kCapacity<decltype(PcbPadLayerStack::ySize)> == 83);
static_assert(kCapacity<decltype(PcbPadLayerStack::cornerRadius)> == 83);
static_assert(kCapacity<decltype(PcbPadLayerStack::cornerRadiusPercent)> == 83);
static_assert(kViaHoleLayer == kLayerCount - 1);

// The length prefix must be the first byte; the text follows it directly.
static_assert(offsetof(PcbShortString, text) == 1 && offsetof(PcbString20, text) == 1 &&
              offsetof(PcbString254, text) == 1);

// --- Exchange order -----------------------------------------------------------------------------

// The primitive exchanges begin with flags, aux16, layer, net, routedState, aux32.
template <class Record>
constexpr bool kPrimitiveFieldsFirst =
    offsetof(Record, flags) == 0 && offsetof(Record, flags) < offsetof(Record, aux16) &&
    offsetof(Record, aux16) < offsetof(Record, layer) &&
    offsetof(Record, layer) < offsetof(Record, net) &&
    offsetof(Record, net) < offsetof(Record, routedState) &&
    offsetof(Record, routedState) < offsetof(Record, aux32);

static_assert(kPrimitiveFieldsFirst<PcbTrackRecord>);
static_assert(kPrimitiveFieldsFirst<PcbArcRecord>);
static_assert(kPrimitiveFieldsFirst<PcbFillRecord>);
static_assert(kPrimitiveFieldsFirst<PcbViaRecord>);
static_assert(kPrimitiveFieldsFirst<PcbPadRecord>);
static_assert(kPrimitiveFieldsFirst<PcbTextRecord>);

// The base exchange carries aux32 before routedState.
static_assert(offsetof(PcbPrimitiveRecord, aux32) < offsetof(PcbPrimitiveRecord, routedState));
// The region's first carried value travels before the common fields.
static_assert(offsetof(PcbRegionRecord, reserved1) < offsetof(PcbRegionRecord, flags));

// Polygons and split planes leave out aux32.
template <class Record>
constexpr bool kHasAux32 = requires { &Record::aux32; };
static_assert(!kHasAux32<PcbPolygonRecord> && !kHasAux32<PcbSplitPlaneRecord>);

// Vias and components exchange their layer as a layer number, the others as an ID.
static_assert(std::is_same_v<decltype(PcbViaRecord::layer), PcbLayerNumber>);
static_assert(std::is_same_v<decltype(PcbComponentRecord::layer), PcbLayerNumber>);
static_assert(std::is_same_v<decltype(PcbTrackRecord::layer), PcbLayerId>);

// --- Calling forms ------------------------------------------------------------------------------

// int32_t (message, handle, record*) with a plain record.
template <class Function>
constexpr bool kIsRecordExchange = false;
template <class Record>
constexpr bool kIsRecordExchange<int32_t(uint8_t, PcbHandle, Record*)> = kAllPlain<Record>;

// int32_t (message, layer number, board, record*).
template <class Function>
constexpr bool kIsLayerExchange = false;
template <class Record>
constexpr bool kIsLayerExchange<int32_t(uint8_t, PcbLayerNumber, PcbHandle, Record*)> =
    kAllPlain<Record>;

// int32_t (message, board, index, value*).
template <class Function>
constexpr bool kIsIndexedExchange = false;
template <class Value>
constexpr bool kIsIndexedExchange<int32_t(uint8_t, PcbHandle, int32_t, Value*)> =
    kAllPlain<Value>;

static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoard)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardGridsEx)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardSplitPlaneMode)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardExternalDielectrics)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardLayerPairsCount)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardOutputOptions)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardGerberOptions)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardPrinterOptions)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardAdvancedPlacerOptions)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBoardEngineeringChangeOrderOptions)>);
static_assert(kIsRecordExchange<decltype(PcbApi_GetObjectBitField2)>);
static_assert(kIsRecordExchange<decltype(PcbApi_GetObjectBitField3)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryPrimitive)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryTrack)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryArc)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryFill)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryVia)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRegion)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryPolygon)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QuerySplitPlane)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryPad)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryPadStackMode)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryText)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryTrueTypeTextInfo)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryBarCodeTextInfo)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryComponentChannelOffset)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryComponentKind)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryComponent)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryComponentEx)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryComponentSourceLinks)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryDefaultPCB3DModel)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryNet)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryFromTo)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryManualFromTo)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryEmbedded)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryEmbeddedBoard)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryCoordinate)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryDimension)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryExtDimension)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryViolation)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryClass)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRule)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleEx)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleExt)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleExtEx)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleClearanceConstraint)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleParallelSegmentConstraint)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleMaxMinWidthConstraintExt)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleDaisyChainStubLengthConstraint)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleRoutingTopologyRule)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleRoutingLayersRule)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleRoutingViaStyleRuleExt)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleViasUnderSMDConstraint)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleMaximumViaCountRule)>);
static_assert(kIsRecordExchange<decltype(PcbApi_QueryRuleSMDToCorner)>);

static_assert(kIsLayerExchange<decltype(PcbApi_QueryLayer)>);
static_assert(kIsLayerExchange<decltype(PcbApi_QueryInternalPlane)>);
static_assert(kIsLayerExchange<decltype(PcbApi_QueryLayerDielectric)>);
static_assert(kIsLayerExchange<decltype(PcbApi_QueryBoardLayerInfo)>);

static_assert(kIsIndexedExchange<decltype(PcbApi_QueryBoardLayerPairAt)>);
static_assert(kIsIndexedExchange<decltype(PcbApi_QueryBoardOutputOptionsPlotLayers)>);
static_assert(kIsIndexedExchange<decltype(PcbApi_QueryBoardOutputOptionsFlipLayers)>);
static_assert(kIsIndexedExchange<decltype(PcbApi_QueryBoardPrinterOptionsPlotterPen)>);
static_assert(kIsIndexedExchange<decltype(PcbApi_QueryBoardPrinterOptionsCompositeLayer)>);
static_assert(kIsIndexedExchange<decltype(PcbApi_References_At)>);

// Creators and iterators answer handles.
template <class Function, class... Arguments>
using Result = std::invoke_result_t<Function*, Arguments...>;

static_assert(std::is_same_v<Result<decltype(PcbApi_GetCurrentBoardHandle)>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_GetBoardHandleFromFileName),
                                    const PcbShortString*>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_CreateIterator), PcbHandle, uint8_t,
                                    uint8_t, PcbLayerId>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_GetFirstObject), PcbHandle>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_GetNextObject), PcbHandle>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_CreateObject), uint8_t>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_CreateRuleObject), uint8_t>, PcbHandle>);
static_assert(std::is_same_v<Result<decltype(PcbApi_CreateClassObject), uint8_t>, PcbHandle>);

// The remaining entry points are declared (a misspelt name does not compile).
template <class Function>
constexpr bool kIsFunction = std::is_function_v<Function>;
static_assert(kIsFunction<decltype(PcbApi_CreateBoardOutline)> &&
              kIsFunction<decltype(PcbApi_UpdateBoardOutline)> &&
              kIsFunction<decltype(PcbApi_InsertLayerInStack)> &&
              kIsFunction<decltype(PcbApi_DestroyIterator)> &&
              kIsFunction<decltype(PcbApi_DestroyObject)> &&
              kIsFunction<decltype(PcbApi_AddObjectToContainer)> &&
              kIsFunction<decltype(PcbApi_DeleteObjectFromContainer)> &&
              kIsFunction<decltype(PcbApi_GetObjectIdFromObjectHandle)> &&
              kIsFunction<decltype(PcbApi_QueryObjectBoundingRectangle)> &&
              kIsFunction<decltype(PcbApi_QueryObjectImport_FromUser)> &&
              kIsFunction<decltype(PcbApi_QueryObjectGraphicallyInvalidate)> &&
              kIsFunction<decltype(PcbApi_QueryPadOrViaShapeOnLayer)> &&
              kIsFunction<decltype(PcbApi_QueryPadOrViaSizeOnLayer)> &&
              kIsFunction<decltype(PcbApi_QueryPadCornerRadiusOnLayer)> &&
              kIsFunction<decltype(PcbApi_QueryPadCRPercentageOnLayer)> &&
              kIsFunction<decltype(PcbApi_SetPadShapeOnLayer)> &&
              kIsFunction<decltype(PcbApi_SetPadSizeOnLayer)> &&
              kIsFunction<decltype(PcbApi_SetCRPctOnLayer)> &&
              kIsFunction<decltype(PcbApi_GetDesignatorDisplayString)> &&
              kIsFunction<decltype(PcbApi_References_Count)> &&
              kIsFunction<decltype(PcbApi_GetMemberFromClassAt)> &&
              kIsFunction<decltype(PcbApi_AddMemberToClass)> &&
              kIsFunction<decltype(PcbApi_RemoveAllMembersFromClass)> &&
              kIsFunction<decltype(PcbApi_GetState_SubScopesCount)> &&
              kIsFunction<decltype(PcbApi_GetState_SubscopeAt)> &&
              kIsFunction<decltype(PcbApi_SetState_DeleteAllSubScopes)> &&
              kIsFunction<decltype(PcbApi_SetState_AddSubscope)> &&
              kIsFunction<decltype(PcbApi_Percent_Init)> &&
              kIsFunction<decltype(PcbApi_Percent_Update)> &&
              kIsFunction<decltype(PcbApi_Percent_Finish)>);

}  // namespace
