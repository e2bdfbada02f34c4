// The host PCB server library's flat C entry points ("PcbApi_*"), bound by name at run time.
//
// Handles are opaque 32-bit values, 0 is nil. Record exchanges have the form
//   int32_t PcbApi_QueryXxx(uint8_t message, [extra arguments,] PcbHandle h, XxxRecord* r)
// where message 1 reads host state into the record, 0 writes the record into the host object
// and 2 is the second write form. They answer kPcbOk (0) or kPcbFail (1). Creators and
// iterators answer a handle, nil on failure. Records are plain structs in exchange order;
// lengths and coordinates are int32 host units (1 mil = 10000), angles are degrees.
// Values whose meaning is the host's own and that callers only carry from a read to a write
// are named reserved1, reserved2, ...; records kept whole by the host are opaque byte blocks.
#pragma once

#include <cstdint>

extern "C" {

// ---------------------------------------------------------------------------------------------
// Basic types and calling form

using PcbHandle = uint32_t;
// A layer as host records hold it: 0..82 are the layer numbers themselves; larger values are
// partitioned IDs (high 16 bits the partition, low 16 bits the ordinal).
using PcbLayerId = uint32_t;
// A layer as the entry points take it outside records: 0..82.
using PcbLayerNumber = uint8_t;

constexpr int32_t kPcbOk = 0;
constexpr int32_t kPcbFail = 1;

constexpr uint8_t kPcbMessageWrite = 0;
constexpr uint8_t kPcbMessageRead = 1;
constexpr uint8_t kPcbMessageSecondWrite = 2;

// ---------------------------------------------------------------------------------------------
// Length-prefixed byte strings

// At most 255 bytes: names, file names, scope expressions.
struct PcbShortString {
  uint8_t length;
  char text[255];
};

// At most 20 bytes: a pad's name.
struct PcbString20 {
  uint8_t length;
  char text[20];
};

// At most 254 bytes: a text object's text and its designator display string.
struct PcbString254 {
  uint8_t length;
  char text[254];
};

// ---------------------------------------------------------------------------------------------
// Object kinds (PcbApi_CreateObject, PcbApi_GetObjectIdFromObjectHandle, iterators)

constexpr uint8_t kPcbObjectArc = 1;
constexpr uint8_t kPcbObjectPad = 2;
constexpr uint8_t kPcbObjectVia = 3;
constexpr uint8_t kPcbObjectTrack = 4;
constexpr uint8_t kPcbObjectText = 5;
constexpr uint8_t kPcbObjectFill = 6;
constexpr uint8_t kPcbObjectFromTo = 7;
constexpr uint8_t kPcbObjectNet = 8;
constexpr uint8_t kPcbObjectComponent = 9;
constexpr uint8_t kPcbObjectPolygon = 10;
constexpr uint8_t kPcbObjectRegion = 11;
constexpr uint8_t kPcbObjectComponentBody = 12;
constexpr uint8_t kPcbObjectDimension = 13;
constexpr uint8_t kPcbObjectCoordinate = 14;
constexpr uint8_t kPcbObjectClass = 15;
constexpr uint8_t kPcbObjectRule = 16;
constexpr uint8_t kPcbObjectManualFromTo = 17;
constexpr uint8_t kPcbObjectDifferentialPair = 18;
constexpr uint8_t kPcbObjectViolation = 19;
constexpr uint8_t kPcbObjectEmbedded = 20;
constexpr uint8_t kPcbObjectEmbeddedBoard = 21;
constexpr uint8_t kPcbObjectSplitPlane = 22;
constexpr uint8_t kPcbObjectBoardOutline = 26;

// ---------------------------------------------------------------------------------------------
// Layer numbers

constexpr PcbLayerNumber kNoLayer = 0;
constexpr PcbLayerNumber kTopLayer = 1;
constexpr PcbLayerNumber kMidLayer1 = 2;  // MidLayer n is number n + 1
constexpr PcbLayerNumber kMidLayer30 = 31;
constexpr PcbLayerNumber kBottomLayer = 32;
constexpr PcbLayerNumber kTopOverlay = 33;
constexpr PcbLayerNumber kBottomOverlay = 34;
constexpr PcbLayerNumber kTopPaste = 35;
constexpr PcbLayerNumber kBottomPaste = 36;
constexpr PcbLayerNumber kTopSolder = 37;
constexpr PcbLayerNumber kBottomSolder = 38;
constexpr PcbLayerNumber kInternalPlane1 = 39;  // InternalPlane n is number n + 38
constexpr PcbLayerNumber kInternalPlane16 = 54;
constexpr PcbLayerNumber kDrillGuide = 55;
constexpr PcbLayerNumber kKeepOutLayer = 56;
constexpr PcbLayerNumber kMechanical1 = 57;  // Mechanical n is number n + 56
constexpr PcbLayerNumber kMechanical16 = 72;
constexpr PcbLayerNumber kDrillDrawing = 73;
constexpr PcbLayerNumber kMultiLayer = 74;
constexpr PcbLayerNumber kConnectLayer = 75;
constexpr PcbLayerNumber kBackGroundLayer = 76;
constexpr PcbLayerNumber kDrcErrorLayer = 77;
constexpr PcbLayerNumber kHighlightLayer = 78;
constexpr PcbLayerNumber kGridColor1 = 79;
constexpr PcbLayerNumber kGridColor10 = 80;
constexpr PcbLayerNumber kPadHoleLayer = 81;
constexpr PcbLayerNumber kViaHoleLayer = 82;
constexpr int32_t kLayerCount = 83;  // numbers 0..82

// ---------------------------------------------------------------------------------------------
// Values with a meaning in records

// Bits of a primitive's flag word.
constexpr uint16_t kPcbFlagTestPointTop = 0x0800;
constexpr uint16_t kPcbFlagKeepout = 0x1000;
constexpr uint16_t kPcbFlagTestPointBottom = 0x2000;

// Pad shapes (per layer and top / middle / bottom).
constexpr uint8_t kPadShapeRound = 1;
constexpr uint8_t kPadShapeRectangular = 2;
constexpr uint8_t kPadShapeOctagonal = 3;
constexpr uint8_t kPadShapeRoundedRectangle = 9;  // the only shape whose corner percentage counts

// Pad stack modes.
constexpr uint8_t kPadStackSimple = 0;
constexpr uint8_t kPadStackTopMiddleBottom = 1;
constexpr uint8_t kPadStackFull = 2;

// Outline segment kinds.
constexpr uint8_t kPcbSegmentLine = 0;
constexpr uint8_t kPcbSegmentArc = 1;

// Rule layer relation.
constexpr uint8_t kPcbRuleSameLayer = 0;
constexpr uint8_t kPcbRuleAdjacentLayers = 1;

// PcbApi_CreateClassObject takes the kind of the members: nets or (manual) from-tos.
constexpr uint8_t kPcbClassOfNets = kPcbObjectNet;
constexpr uint8_t kPcbClassOfFromTos = kPcbObjectManualFromTo;
// The class record's kind byte.
constexpr uint8_t kPcbClassKindNet = 0;
constexpr uint8_t kPcbClassKindFromTo = 2;

// The only iteration method; layer 0 iterates all layers.
constexpr uint8_t kPcbIterateDefault = 0;

// Host rule kinds (PcbApi_CreateRuleObject, the rule records' ruleKind).
enum PcbRuleKind : uint8_t {
  kRuleClearance = 0,
  kRuleParallelSegment = 1,
  kRuleWidth = 2,
  kRuleLength = 3,
  kRuleMatchedLengths = 4,
  kRuleStubLength = 5,
  kRulePlaneConnect = 6,
  kRuleRoutingTopology = 7,
  kRuleRoutingPriority = 8,
  kRuleRoutingLayers = 9,
  kRuleRoutingCorners = 10,
  kRuleRoutingVias = 11,
  kRulePlaneClearance = 12,
  kRuleSolderMaskExpansion = 13,
  kRulePasteMaskExpansion = 14,
  kRuleShortCircuit = 15,
  kRuleUnRoutedNet = 16,
  kRuleViasUnderSMD = 17,
  kRuleMaximumViaCount = 18,
  kRuleMinimumAnnularRing = 19,
  kRulePolygonConnect = 20,
  kRuleAcuteAngle = 21,
  kRuleRoomDefinition = 22,
  kRuleSMDToCorner = 23,
  kRuleComponentClearance = 24,
  kRuleComponentOrientations = 25,
  kRulePermittedLayers = 26,
  kRuleNetsToIgnore = 27,
  kRuleSignalStimulus = 28,
  kRuleOvershootFalling = 29,
  kRuleOvershootRising = 30,
  kRuleUndershootFalling = 31,
  kRuleUndershootRising = 32,
  kRuleMaxMinImpedance = 33,
  kRuleSignalTopValue = 34,
  kRuleSignalBaseValue = 35,
  kRuleFlightTimeRising = 36,
  kRuleFlightTimeFalling = 37,
  kRuleLayerStack = 38,
  kRuleSlopeRising = 39,
  kRuleSlopeFalling = 40,
  kRuleSupplyNets = 41,
  kRuleHoleSize = 42,
  kRuleFabricationTestpoint = 43,
  kRuleFabricationTestPointUsage = 44,
  kRuleUnConnectedPin = 45,
  kRuleSMDToPlane = 46,
  kRuleSMDNeckDown = 47,
  kRuleLayerPairs = 48,
  kRuleFanoutControl = 49,
  kRuleHeight = 50,
  kRuleDiffPairsRouting = 51,
  kRuleHoleToHoleClearance = 52,
  kRuleMinimumSolderMaskSliver = 53,
  kRuleSilkscreenOverComponentPads = 54,
  kRuleSilkToSilkClearance = 55,
  kRuleNetAntennae = 56,
  kRuleAssemblyTestpoint = 57,
  kRuleAssemblyTestPointUsage = 58,
  kRuleQuarn = 59,
  kRuleKindCount = 60
};

// ---------------------------------------------------------------------------------------------
// Capacities

constexpr int32_t kPcbOutlineCapacity = 5001;     // segments of one outline record
constexpr int32_t kPcbEmbeddedDataSize = 4096;    // zero-terminated, so at most 4095 bytes
constexpr int32_t kPcbRoutingLayerCount = 32;     // routing-layers table: entry i is layer i+1
constexpr int32_t kPcbComponentSourceLinks = 8;
constexpr int32_t kPcbPlotLayerCount = 109;       // plot and flip layers, indices 1..109
constexpr int32_t kPcbPlotterPenCount = 8;        // indices 1..8
constexpr int32_t kPcbCompositeLayerCount = 82;   // indices 1..82

// ---------------------------------------------------------------------------------------------
// Primitive records. Arcs, fills, pads, texts, tracks and vias begin with the common fields
// flags, aux16, layer, net, routedState, aux32.

// The base exchange of every object (component bodies, differential pairs). Note the order:
// aux32 comes before routedState here.
struct PcbPrimitiveRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint32_t aux32;
  uint8_t routedState;
};

struct PcbTrackRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t x1;
  int32_t y1;
  int32_t x2;
  int32_t y2;
  int32_t width;
  int32_t reserved1;
  int32_t reserved2;
  int32_t reserved3;
};

struct PcbArcRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t x;  // centre
  int32_t y;
  int32_t radius;
  double startAngle;
  double endAngle;
  int32_t width;
  int32_t reserved1;
};

struct PcbFillRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t x1;
  int32_t y1;
  int32_t x2;
  int32_t y2;
  int32_t reserved1;
  double rotation;
};

// A via's layer travels as a layer number, not as an ID.
struct PcbViaRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerNumber layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t x;
  int32_t y;
  int32_t diameter;
  int32_t holeSize;
  PcbLayerNumber startLayer;
  PcbLayerNumber endLayer;
  uint8_t flagByte1;
  uint8_t flagByte2;
};

// PcbApi_QueryPad. The stack mode and the per-layer values have exchanges of their own.
struct PcbPadRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t x;
  int32_t y;
  int32_t topXSize;
  int32_t topYSize;
  int32_t middleXSize;
  int32_t middleYSize;
  int32_t bottomXSize;
  int32_t bottomYSize;
  int32_t holeSize;
  uint8_t topShape;
  uint8_t middleShape;
  uint8_t bottomShape;
  PcbString20 name;
  uint8_t pinRole;  // 2 source, 1 terminator, 0 otherwise
  uint8_t option;   // the pin import sets it to 1
  double rotation;
  int32_t reserved1;
  int32_t reserved2;
  int32_t reserved3;
  int32_t reserved4;
  uint8_t flagByte1;
  uint8_t flagByte2;
};

// A pad's values per layer number 0..82, exchanged layer by layer through
// PcbApi_QueryPad*OnLayer / PcbApi_Set*OnLayer. The top, middle and bottom percentages are
// those of layers 1, 2..31 (the last one read) and 32.
struct PcbPadLayerStack {
  uint8_t shape[kLayerCount];
  int32_t xSize[kLayerCount];
  int32_t ySize[kLayerCount];
  int32_t cornerRadius[kLayerCount];
  uint8_t cornerRadiusPercent[kLayerCount];
  uint8_t topCornerRadiusPercent;
  uint8_t middleCornerRadiusPercent;
  uint8_t bottomCornerRadiusPercent;
};

struct PcbTextRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t x;
  int32_t y;
  int32_t reserved1;
  int32_t reserved2;
  double rotation;
  uint8_t reserved3;
  PcbString254 text;
  int32_t reserved4;
  int32_t reserved5;
  int32_t reserved6;
};

// PcbApi_QueryTrueTypeTextInfo; a new text holds fontName "Arial" and reserved5 200000 (20 mil).
struct PcbTrueTypeTextRecord {
  uint8_t reserved1;
  PcbShortString fontName;
  uint8_t reserved2;
  uint8_t reserved3;
  uint8_t reserved4;
  int32_t reserved5;
};

struct PcbBarCodeTextRecord {
  uint8_t reserved1;
  uint8_t reserved2;
  uint8_t reserved3;
  uint8_t reserved4;
};

// ---------------------------------------------------------------------------------------------
// Outlines: polygons, board outlines (kind 26) and split planes

struct PcbOutlineSegment {
  uint8_t kind;  // kPcbSegmentLine or kPcbSegmentArc
  int32_t x;     // end point
  int32_t y;
  int32_t centerX;  // arc values, unused by straight segments
  int32_t centerY;
  int32_t radius;
  double startAngle;
  double endAngle;
};

// segmentCount excludes the closing copy of the first point, which is stored after the last
// segment; so at most kPcbOutlineCapacity - 1 vertices fit.
struct PcbOutlineRecord {
  int32_t segmentCount;
  PcbOutlineSegment segments[kPcbOutlineCapacity];
};

// Polygon and board outline. No aux32 in this exchange.
struct PcbPolygonRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint8_t reserved1;
  uint8_t reserved2;
  uint8_t pourStyle;
  int32_t grid;
  int32_t trackWidth;
  uint8_t reserved3;
  uint8_t option;
  int32_t reserved4;
  uint8_t reserved5;
  PcbOutlineRecord outline;
};

// No aux32 in this exchange.
struct PcbSplitPlaneRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  int32_t reserved1;
  PcbOutlineRecord outline;
};

// The first value travels before the common fields.
struct PcbRegionRecord {
  int32_t reserved1;
  uint16_t flags;
  uint16_t aux16;
  PcbLayerId layer;
  PcbHandle net;
  uint8_t routedState;
  uint32_t aux32;
  int32_t reserved2;
  int32_t reserved3;
  int32_t reserved4;
  int32_t reserved5;
  int32_t reserved6;
  int32_t reserved7;
};

// ---------------------------------------------------------------------------------------------
// Group records: components, nets, classes, from-tos

// A component's layer travels as a layer number, like a via's.
struct PcbComponentRecord {
  uint16_t flags;
  uint16_t aux16;
  PcbLayerNumber layer;
  uint8_t routedState;
  PcbHandle designatorText;
  PcbHandle secondText;
  PcbShortString footprint;
  uint8_t option1;  // the component import sets 1 and 0
  uint8_t option2;
  int32_t x;
  int32_t y;
  int32_t reserved1;
  double rotation;
};

struct PcbComponentExRecord {
  uint8_t bytes[256];
};

struct PcbComponentSourceLinksRecord {
  PcbShortString links[kPcbComponentSourceLinks];
};

struct PcbNetRecord {
  uint16_t aux16;
  PcbShortString name;
  uint8_t reserved1;
  uint8_t reserved2;
};

// The members travel through the class member calls.
struct PcbClassRecord {
  uint16_t aux16;
  uint8_t classKind;
  uint8_t reserved1;
  PcbShortString name;
};

struct PcbFromToRecord {
  uint16_t aux16;
  int32_t x1;
  int32_t y1;
  int32_t x2;
  int32_t y2;
  uint8_t reserved1;
  uint8_t reserved2;
  PcbHandle net;
};

struct PcbManualFromToRecord {
  uint16_t aux16;
  PcbShortString text1;
  PcbShortString text2;
  PcbShortString text3;
  int32_t reserved1;
};

// ---------------------------------------------------------------------------------------------
// Embedded objects and records the host keeps whole

struct PcbEmbeddedRecord {
  PcbShortString name;
  char data[kPcbEmbeddedDataSize];  // zero-terminated
};

struct PcbEmbeddedBoardRecord {
  uint8_t bytes[256];
};

struct PcbCoordinateRecord {
  uint8_t bytes[128];
};

struct PcbDimensionRecord {
  uint8_t bytes[256];
};

struct PcbExtDimensionRecord {
  uint8_t bytes[256];
};

struct PcbDimensionReferenceRecord {
  uint8_t bytes[64];
};

struct PcbViolationRecord {
  uint8_t bytes[256];
};

// PcbApi_QueryRule: the plain rule object's record.
struct PcbRuleRecord {
  uint8_t bytes[256];
};

// Any object's bounding rectangle.
struct PcbRectangleRecord {
  int32_t left;
  int32_t bottom;
  int32_t right;
  int32_t top;
};

// ---------------------------------------------------------------------------------------------
// Rule records. The name travels through PcbApi_QueryRuleExtEx.

struct PcbRuleExRecord {
  uint8_t ruleKind;  // PcbRuleKind
  uint8_t reserved1;
  int32_t reserved2;  // -1 on a new rule
  uint8_t layerRelation;
  PcbShortString scope1;  // "All" on a new rule
  PcbShortString scope2;  // used by the binary kinds 0, 1, 15, 21, 24
};

struct PcbRuleExtRecord {
  uint8_t ruleKind;
  uint8_t sameNet;  // clearance rules: the gap also applies within one net
  uint8_t reserved1;
};

// One sub-scope of one scope (1 or 2) of a rule.
struct PcbSubScopeRecord {
  uint8_t reserved1;
  PcbShortString text;
  int32_t reserved2;
  int32_t reserved3;
  int32_t reserved4;
  int32_t reserved5;
  int32_t reserved6;
  int32_t reserved7;
  int32_t reserved8;
};

// Constraint values, one record per rule kind that has them.
struct PcbClearanceConstraintRecord {  // kRuleClearance
  int32_t gap;
};

struct PcbParallelSegmentConstraintRecord {  // kRuleParallelSegment
  int32_t limit;
  int32_t gap;
};

struct PcbMaxMinWidthConstraintRecord {  // kRuleWidth
  int32_t maximum;
  int32_t minimum;
  int32_t preferred;
};

struct PcbDaisyChainStubLengthConstraintRecord {  // kRuleStubLength
  int32_t maxStubLength;
};

struct PcbRoutingTopologyRuleRecord {  // kRuleRoutingTopology
  uint8_t topology;  // 0 shortest, 4 daisy chain, 5 daisy balanced
};

struct PcbRoutingLayersRuleRecord {  // kRuleRoutingLayers
  // Per host layer 1..32: 0 not used, 1 horizontal, 2 vertical, 3 orthogonal, 8 and 9 the
  // two diagonals.
  uint8_t layers[kPcbRoutingLayerCount];
};

struct PcbRoutingViaStyleRuleRecord {  // kRuleRoutingVias
  int32_t minimumViaSize;
  int32_t maximumViaSize;
  int32_t preferredViaSize;
  int32_t minimumHoleSize;
  int32_t maximumHoleSize;
  int32_t preferredHoleSize;
};

struct PcbViasUnderSMDConstraintRecord {  // kRuleViasUnderSMD
  uint8_t allowed;
};

struct PcbMaximumViaCountRuleRecord {  // kRuleMaximumViaCount
  int32_t viaCount;
};

struct PcbSMDToCornerRecord {  // kRuleSMDToCorner
  int32_t distance;
};

// ---------------------------------------------------------------------------------------------
// Board and layer records

struct PcbBoardRecord {
  int32_t reserved1;
  PcbShortString fileName;
  uint8_t reserved2;
  int32_t originX;
  int32_t originY;
  int32_t reserved3;
  int32_t reserved4;
  uint8_t unitMils;  // non-zero: the board shows mils
  PcbLayerId currentLayer;
  PcbHandle boardOutline;  // nil while the board has none
};

// The board's grid settings: sixteen reals in this order.
struct PcbBoardGridsRecord {
  double reserved1;
  double reserved2;
  double reserved3;
  double unitMils;  // 1 for inch or mil designs, 0 otherwise
  double reserved4;
  double reserved5;
  double reserved6;
  double reserved7;
  double snapGridX;
  double snapGridY;
  double reserved8;
  double reserved9;
  double wireGrid;
  double viaGrid;
  double placeGridX;
  double placeGridY;
};

// Layers other than internal planes. prev and next link the layer stack (0 = none).
struct PcbLayerRecord {
  PcbShortString name;
  int32_t copperThickness;
  uint8_t reserved1;
  uint8_t reserved2;
  PcbLayerNumber prev;
  PcbLayerNumber next;
  uint8_t reserved3;
};

// Internal planes 39..54: the plane's net name takes the place of reserved3.
struct PcbInternalPlaneRecord {
  PcbShortString name;
  int32_t copperThickness;
  uint8_t reserved1;
  uint8_t reserved2;
  PcbLayerNumber prev;
  PcbLayerNumber next;
  PcbShortString planeNet;  // "(No Net)" when none
};

// The dielectric below a layer, and each external dielectric.
struct PcbDielectricRecord {
  PcbShortString material;  // "FR-4" on a new board
  uint8_t dielectricType;
  double dielectricConstant;
  int32_t height;
};

struct PcbExternalDielectricsRecord {
  PcbDielectricRecord top;
  PcbDielectricRecord bottom;
};

// A drill layer pair. The two bytes travel in the reverse of the order the pair holds them.
struct PcbLayerPairRecord {
  PcbLayerId endLayer;
  PcbLayerId startLayer;
  uint8_t reserved1;
  uint8_t reserved2;
};

// Board option records, kept whole by the host.
struct PcbOutputOptionsRecord {
  uint8_t bytes[256];
};

struct PcbGerberOptionsRecord {
  uint8_t bytes[256];
};

struct PcbPrinterOptionsRecord {
  uint8_t bytes[256];
};

struct PcbPlacerOptionsRecord {
  uint8_t bytes[128];
};

struct PcbEngineeringChangeOrderOptionsRecord {
  uint8_t bytes[64];
};

// ---------------------------------------------------------------------------------------------
// Board level

// The current board, 0 when no PCB document is open.
PcbHandle PcbApi_GetCurrentBoardHandle();
PcbHandle PcbApi_GetBoardHandleFromFileName(const PcbShortString* fileName);
// Gives the board an outline object (its handle then appears in the board record).
int32_t PcbApi_CreateBoardOutline(PcbHandle board);
// Makes the host take up the outline object's changed outline.
int32_t PcbApi_UpdateBoardOutline(PcbHandle board);

int32_t PcbApi_QueryBoard(uint8_t message, PcbHandle board, PcbBoardRecord* r);
int32_t PcbApi_QueryBoardGridsEx(uint8_t message, PcbHandle board, PcbBoardGridsRecord* r);
int32_t PcbApi_QueryBoardLayerInfo(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                                   int32_t* info);
int32_t PcbApi_QueryBoardSplitPlaneMode(uint8_t message, PcbHandle board, uint8_t* mode);
int32_t PcbApi_QueryBoardExternalDielectrics(uint8_t message, PcbHandle board,
                                             PcbExternalDielectricsRecord* r);

// Layer pairs: writing the count first resizes the board's pair list.
int32_t PcbApi_QueryBoardLayerPairsCount(uint8_t message, PcbHandle board, int32_t* count);
int32_t PcbApi_QueryBoardLayerPairAt(uint8_t message, PcbHandle board, int32_t index,
                                     PcbLayerPairRecord* r);

// Board options; the indexed entries are single values (index ranges under Capacities).
int32_t PcbApi_QueryBoardOutputOptions(uint8_t message, PcbHandle board,
                                       PcbOutputOptionsRecord* r);
int32_t PcbApi_QueryBoardOutputOptionsPlotLayers(uint8_t message, PcbHandle board,
                                                 int32_t index, uint8_t* value);
int32_t PcbApi_QueryBoardOutputOptionsFlipLayers(uint8_t message, PcbHandle board,
                                                 int32_t index, uint8_t* value);
int32_t PcbApi_QueryBoardGerberOptions(uint8_t message, PcbHandle board,
                                       PcbGerberOptionsRecord* r);
int32_t PcbApi_QueryBoardPrinterOptions(uint8_t message, PcbHandle board,
                                        PcbPrinterOptionsRecord* r);
int32_t PcbApi_QueryBoardPrinterOptionsPlotterPen(uint8_t message, PcbHandle board,
                                                  int32_t index, int32_t* value);
int32_t PcbApi_QueryBoardPrinterOptionsCompositeLayer(uint8_t message, PcbHandle board,
                                                      int32_t index, uint8_t* value);
int32_t PcbApi_QueryBoardAdvancedPlacerOptions(uint8_t message, PcbHandle board,
                                               PcbPlacerOptionsRecord* r);
int32_t PcbApi_QueryBoardEngineeringChangeOrderOptions(
    uint8_t message, PcbHandle board, PcbEngineeringChangeOrderOptionsRecord* r);

// ---------------------------------------------------------------------------------------------
// Layers and the layer stack

int32_t PcbApi_QueryLayer(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                          PcbLayerRecord* r);
int32_t PcbApi_QueryInternalPlane(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                                  PcbInternalPlaneRecord* r);
int32_t PcbApi_QueryLayerDielectric(uint8_t message, PcbLayerNumber layer, PcbHandle board,
                                    PcbDielectricRecord* r);
// Puts newLayer into the stack directly after referenceLayer.
int32_t PcbApi_InsertLayerInStack(PcbHandle board, PcbLayerNumber newLayer,
                                  PcbLayerNumber referenceLayer);

// ---------------------------------------------------------------------------------------------
// Iteration over a board, net or component: one object kind, method kPcbIterateDefault, one
// layer (0 = all). A board iterator also yields the primitives of its components.

PcbHandle PcbApi_CreateIterator(PcbHandle container, uint8_t objectKind, uint8_t method,
                                PcbLayerId layer);
PcbHandle PcbApi_GetFirstObject(PcbHandle iterator);
PcbHandle PcbApi_GetNextObject(PcbHandle iterator);  // nil at the end
int32_t PcbApi_DestroyIterator(PcbHandle iterator);

// ---------------------------------------------------------------------------------------------
// Objects

// A new object, not yet in any container.
PcbHandle PcbApi_CreateObject(uint8_t objectKind);
int32_t PcbApi_DestroyObject(PcbHandle object);
int32_t PcbApi_AddObjectToContainer(PcbHandle container, PcbHandle object);
int32_t PcbApi_DeleteObjectFromContainer(PcbHandle container, PcbHandle object);
// The object's kind, 0 for an unknown handle.
uint8_t PcbApi_GetObjectIdFromObjectHandle(PcbHandle object);

int32_t PcbApi_GetObjectBitField2(uint8_t message, PcbHandle object, uint8_t* bits);
int32_t PcbApi_GetObjectBitField3(uint8_t message, PcbHandle object, uint16_t* bits);
int32_t PcbApi_QueryObjectBoundingRectangle(PcbHandle object, PcbRectangleRecord* r);
// 1 when the object was made by the user, 0 when an import made it.
uint8_t PcbApi_QueryObjectImport_FromUser(PcbHandle object);
int32_t PcbApi_QueryObjectGraphicallyInvalidate(PcbHandle object);

// ---------------------------------------------------------------------------------------------
// Per-kind record exchanges

int32_t PcbApi_QueryPrimitive(uint8_t message, PcbHandle object, PcbPrimitiveRecord* r);
int32_t PcbApi_QueryTrack(uint8_t message, PcbHandle track, PcbTrackRecord* r);
int32_t PcbApi_QueryArc(uint8_t message, PcbHandle arc, PcbArcRecord* r);
int32_t PcbApi_QueryFill(uint8_t message, PcbHandle fill, PcbFillRecord* r);
int32_t PcbApi_QueryVia(uint8_t message, PcbHandle via, PcbViaRecord* r);
int32_t PcbApi_QueryRegion(uint8_t message, PcbHandle region, PcbRegionRecord* r);
int32_t PcbApi_QueryPolygon(uint8_t message, PcbHandle polygon, PcbPolygonRecord* r);
int32_t PcbApi_QuerySplitPlane(uint8_t message, PcbHandle splitPlane, PcbSplitPlaneRecord* r);

// Pads: the record, the stack mode, then the values per layer number.
int32_t PcbApi_QueryPad(uint8_t message, PcbHandle pad, PcbPadRecord* r);
int32_t PcbApi_QueryPadStackMode(uint8_t message, PcbHandle pad, uint8_t* stackMode);
int32_t PcbApi_QueryPadOrViaShapeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer,
                                         uint8_t* shape);
int32_t PcbApi_QueryPadOrViaSizeOnLayer(PcbHandle padOrVia, PcbLayerNumber layer,
                                        int32_t* xSize, int32_t* ySize);
int32_t PcbApi_QueryPadCornerRadiusOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                           int32_t* cornerRadius);
int32_t PcbApi_QueryPadCRPercentageOnLayer(PcbHandle pad, PcbLayerNumber layer,
                                           uint8_t* percent);
int32_t PcbApi_SetPadShapeOnLayer(PcbHandle pad, PcbLayerNumber layer, uint8_t shape);
int32_t PcbApi_SetPadSizeOnLayer(PcbHandle pad, PcbLayerNumber layer, int32_t xSize,
                                 int32_t ySize);
int32_t PcbApi_SetCRPctOnLayer(PcbHandle pad, PcbLayerNumber layer, uint8_t percent);

// Texts.
int32_t PcbApi_QueryText(uint8_t message, PcbHandle text, PcbTextRecord* r);
int32_t PcbApi_QueryTrueTypeTextInfo(uint8_t message, PcbHandle text, PcbTrueTypeTextRecord* r);
int32_t PcbApi_QueryBarCodeTextInfo(uint8_t message, PcbHandle text, PcbBarCodeTextRecord* r);
// Read only: the text as the board shows it.
int32_t PcbApi_GetDesignatorDisplayString(PcbHandle text, PcbString254* display);

// Components.
int32_t PcbApi_QueryComponentChannelOffset(uint8_t message, PcbHandle component,
                                           int32_t* channelOffset);
int32_t PcbApi_QueryComponentKind(uint8_t message, PcbHandle component, uint8_t* componentKind);
int32_t PcbApi_QueryComponent(uint8_t message, PcbHandle component, PcbComponentRecord* r);
int32_t PcbApi_QueryComponentEx(uint8_t message, PcbHandle component, PcbComponentExRecord* r);
int32_t PcbApi_QueryComponentSourceLinks(uint8_t message, PcbHandle component,
                                         PcbComponentSourceLinksRecord* r);
int32_t PcbApi_QueryDefaultPCB3DModel(uint8_t message, PcbHandle component,
                                      PcbShortString* model);

// Nets, from-tos, embedded objects and the kinds the host keeps whole.
int32_t PcbApi_QueryNet(uint8_t message, PcbHandle net, PcbNetRecord* r);
int32_t PcbApi_QueryFromTo(uint8_t message, PcbHandle fromTo, PcbFromToRecord* r);
int32_t PcbApi_QueryManualFromTo(uint8_t message, PcbHandle fromTo, PcbManualFromToRecord* r);
int32_t PcbApi_QueryEmbedded(uint8_t message, PcbHandle embedded, PcbEmbeddedRecord* r);
int32_t PcbApi_QueryEmbeddedBoard(uint8_t message, PcbHandle embeddedBoard,
                                  PcbEmbeddedBoardRecord* r);
int32_t PcbApi_QueryCoordinate(uint8_t message, PcbHandle coordinate, PcbCoordinateRecord* r);
int32_t PcbApi_QueryDimension(uint8_t message, PcbHandle dimension, PcbDimensionRecord* r);
int32_t PcbApi_QueryExtDimension(uint8_t message, PcbHandle dimension, PcbExtDimensionRecord* r);
int32_t PcbApi_References_Count(PcbHandle dimension);
int32_t PcbApi_References_At(uint8_t message, PcbHandle dimension, int32_t index,
                             PcbDimensionReferenceRecord* r);
int32_t PcbApi_QueryViolation(uint8_t message, PcbHandle violation, PcbViolationRecord* r);

// ---------------------------------------------------------------------------------------------
// Classes: created for a member kind (kPcbClassOfNets, kPcbClassOfFromTos)

PcbHandle PcbApi_CreateClassObject(uint8_t memberKind);
int32_t PcbApi_QueryClass(uint8_t message, PcbHandle objectClass, PcbClassRecord* r);
// kPcbFail one past the last member.
int32_t PcbApi_GetMemberFromClassAt(PcbHandle objectClass, int32_t index, PcbShortString* name);
int32_t PcbApi_AddMemberToClass(PcbHandle objectClass, const PcbShortString* name);
int32_t PcbApi_RemoveAllMembersFromClass(PcbHandle objectClass);

// ---------------------------------------------------------------------------------------------
// Rules

PcbHandle PcbApi_CreateRuleObject(uint8_t ruleKind);
int32_t PcbApi_QueryRule(uint8_t message, PcbHandle rule, PcbRuleRecord* r);
int32_t PcbApi_QueryRuleEx(uint8_t message, PcbHandle rule, PcbRuleExRecord* r);
int32_t PcbApi_QueryRuleExt(uint8_t message, PcbHandle rule, PcbRuleExtRecord* r);
// The rule's name.
int32_t PcbApi_QueryRuleExtEx(uint8_t message, PcbHandle rule, PcbShortString* name);

// Sub-scopes of scope 1 or 2 of a rule.
int32_t PcbApi_GetState_SubScopesCount(PcbHandle rule, uint8_t scope);
int32_t PcbApi_GetState_SubscopeAt(PcbHandle rule, uint8_t scope, int32_t index,
                                   PcbSubScopeRecord* r);
int32_t PcbApi_SetState_DeleteAllSubScopes(PcbHandle rule, uint8_t scope);
int32_t PcbApi_SetState_AddSubscope(PcbHandle rule, uint8_t scope, const PcbSubScopeRecord* r);

// Constraint values; each answers kPcbFail for a rule of another kind.
int32_t PcbApi_QueryRuleClearanceConstraint(uint8_t message, PcbHandle rule,
                                            PcbClearanceConstraintRecord* r);
int32_t PcbApi_QueryRuleParallelSegmentConstraint(uint8_t message, PcbHandle rule,
                                                  PcbParallelSegmentConstraintRecord* r);
int32_t PcbApi_QueryRuleMaxMinWidthConstraintExt(uint8_t message, PcbHandle rule,
                                                 PcbMaxMinWidthConstraintRecord* r);
int32_t PcbApi_QueryRuleDaisyChainStubLengthConstraint(
    uint8_t message, PcbHandle rule, PcbDaisyChainStubLengthConstraintRecord* r);
int32_t PcbApi_QueryRuleRoutingTopologyRule(uint8_t message, PcbHandle rule,
                                            PcbRoutingTopologyRuleRecord* r);
int32_t PcbApi_QueryRuleRoutingLayersRule(uint8_t message, PcbHandle rule,
                                          PcbRoutingLayersRuleRecord* r);
int32_t PcbApi_QueryRuleRoutingViaStyleRuleExt(uint8_t message, PcbHandle rule,
                                               PcbRoutingViaStyleRuleRecord* r);
int32_t PcbApi_QueryRuleViasUnderSMDConstraint(uint8_t message, PcbHandle rule,
                                               PcbViasUnderSMDConstraintRecord* r);
int32_t PcbApi_QueryRuleMaximumViaCountRule(uint8_t message, PcbHandle rule,
                                            PcbMaximumViaCountRuleRecord* r);
int32_t PcbApi_QueryRuleSMDToCorner(uint8_t message, PcbHandle rule, PcbSMDToCornerRecord* r);

// ---------------------------------------------------------------------------------------------
// Progress bar: start with a caption and a total, advance by a number of steps, finish.

int32_t PcbApi_Percent_Init(const PcbShortString* caption, int32_t total);
int32_t PcbApi_Percent_Update(int32_t steps);
int32_t PcbApi_Percent_Finish();

}  // extern "C"
