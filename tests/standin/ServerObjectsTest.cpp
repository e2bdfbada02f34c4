// Objects of the PCB server: containers, iteration, what happens to references when objects
// leave, failure answers for handles that are nil, destroyed or of another kind, and the
// board's modified mark.
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "server/ComponentObject.h"
#include "server/PcbModel.h"
#include "standin/ServerTestSupport.h"

namespace {

using namespace standin::api;

class ServerObjects : public TServerTest {
protected:
  void SetUp() override {
    TServerTest::SetUp();
    Board = NewBoard("/boards/objects.pcbdoc");
    ASSERT_NE(Board, 0u);
  }

  PcbHandle Track(PcbHandle container, PcbLayerNumber layer, PcbHandle net = 0) {
    const PcbHandle track = CreateObject(kPcbObjectTrack);
    PcbTrackRecord record{};
    record.layer = layer;
    record.net = net;
    EXPECT_EQ(QueryTrack(kPcbMessageWrite, track, &record), kPcbOk);
    EXPECT_EQ(AddObjectToContainer(container, track), kPcbOk);
    return track;
  }

  std::vector<PcbHandle> Iterate(PcbHandle container, uint8_t kind, PcbLayerId layer = 0) {
    std::vector<PcbHandle> found;
    const PcbHandle iterator = CreateIterator(container, kind, kPcbIterateDefault, layer);
    for (PcbHandle h = GetFirstObject(iterator); h != 0; h = GetNextObject(iterator))
      found.push_back(h);
    DestroyIterator(iterator);
    return found;
  }

  PcbHandle Board = 0;
};

TEST_F(ServerObjects, AddRefusesWhatAContainerCannotTake) {
  const PcbHandle component = AddNew(Board, kPcbObjectComponent);
  const PcbHandle net = AddNew(Board, kPcbObjectNet);
  const PcbHandle placed = AddNew(Board, kPcbObjectTrack);
  const PcbHandle destroyed = CreateObject(kPcbObjectTrack);
  ASSERT_EQ(DestroyObject(destroyed), kPcbOk);
  ASSERT_EQ(CreateBoardOutline(Board), kPcbOk);
  struct TCase {
    const char* What;
    PcbHandle Container;
    PcbHandle Object;
    int32_t Expected;
  };
  const TCase cases[] = {
      {"nil object", Board, 0, kPcbFail},
      {"destroyed object", Board, destroyed, kPcbFail},
      {"already on the board", Board, placed, kPcbFail},
      {"on the board, into a component", component, placed, kPcbFail},
      {"net into a component", component, CreateObject(kPcbObjectNet), kPcbFail},
      {"component into a component", component, CreateObject(kPcbObjectComponent), kPcbFail},
      {"rule into a component", component, CreateRuleObject(kRuleWidth), kPcbFail},
      {"track into a net", net, CreateObject(kPcbObjectTrack), kPcbFail},
      {"into nothing", 0, CreateObject(kPcbObjectTrack), kPcbFail},
      {"into an unknown handle", 0x7FFFFFF0, CreateObject(kPcbObjectTrack), kPcbFail},
      {"a second board outline", Board, CreateObject(kPcbObjectBoardOutline), kPcbFail},
      {"pad into a component", component, CreateObject(kPcbObjectPad), kPcbOk},
      {"region into a component", component, CreateObject(kPcbObjectRegion), kPcbOk},
      {"rule onto the board", Board, CreateRuleObject(kRuleWidth), kPcbOk},
      {"class onto the board", Board, CreateClassObject(kPcbClassOfNets), kPcbOk},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(AddObjectToContainer(c.Container, c.Object), c.Expected);
    if (c.Expected == kPcbFail && c.Object != 0 && c.Object != destroyed && c.Object != placed) {
      EXPECT_EQ(DestroyObject(c.Object), kPcbOk) << "a refused object is still the caller's";
    }
  }
  EXPECT_EQ(DeleteObjectFromContainer(component, placed), kPcbFail) << "not its container";
  EXPECT_EQ(DeleteObjectFromContainer(Board, placed), kPcbOk);
  EXPECT_EQ(DeleteObjectFromContainer(Board, placed), kPcbFail) << "no longer in it";
  EXPECT_EQ(AddObjectToContainer(component, placed), kPcbOk) << "free again";
}

// Every record exchange answers 1 for a nil, destroyed or other kind's handle, a missing
// record and an unknown message, and 0 for a read and a write back of the right object.
TEST_F(ServerObjects, ExchangesRefuseHandlesThatAreNilDestroyedOrOfAnotherKind) {
  using TCall = std::function<int32_t(uint8_t message, PcbHandle handle, bool withRecord)>;
  struct TExchange {
    const char* Name;
    std::function<PcbHandle()> Create;  // an object the exchange is for
    TCall Call;
  };
  const auto object = [](uint8_t kind) { return [kind] { return CreateObject(kind); }; };
  const auto rule = [](uint8_t ruleKind) {
    return [ruleKind] { return CreateRuleObject(ruleKind); };
  };
  const auto call = []<class Record>(int32_t (*query)(uint8_t, PcbHandle, Record*)) {
    return TCall([query](uint8_t message, PcbHandle handle, bool withRecord) {
      static Record record{};  // some records are large
      return query(message, handle, withRecord ? &record : nullptr);
    });
  };
  const TExchange exchanges[] = {
      {"track", object(kPcbObjectTrack), call(QueryTrack)},
      {"arc", object(kPcbObjectArc), call(QueryArc)},
      {"fill", object(kPcbObjectFill), call(QueryFill)},
      {"via", object(kPcbObjectVia), call(QueryVia)},
      {"region", object(kPcbObjectRegion), call(QueryRegion)},
      {"polygon", object(kPcbObjectPolygon), call(QueryPolygon)},
      {"board outline", object(kPcbObjectBoardOutline), call(QueryPolygon)},
      {"split plane", object(kPcbObjectSplitPlane), call(QuerySplitPlane)},
      {"pad", object(kPcbObjectPad), call(QueryPad)},
      {"pad stack mode", object(kPcbObjectPad), call(QueryPadStackMode)},
      {"text", object(kPcbObjectText), call(QueryText)},
      {"true type", object(kPcbObjectText), call(QueryTrueTypeTextInfo)},
      {"bar code", object(kPcbObjectText), call(QueryBarCodeTextInfo)},
      {"component", object(kPcbObjectComponent), call(QueryComponent)},
      {"component ex", object(kPcbObjectComponent), call(QueryComponentEx)},
      {"component kind", object(kPcbObjectComponent), call(QueryComponentKind)},
      {"channel offset", object(kPcbObjectComponent), call(QueryComponentChannelOffset)},
      {"source links", object(kPcbObjectComponent), call(QueryComponentSourceLinks)},
      {"3D model", object(kPcbObjectComponent), call(QueryDefaultPCB3DModel)},
      {"net", object(kPcbObjectNet), call(QueryNet)},
      {"from-to", object(kPcbObjectFromTo), call(QueryFromTo)},
      {"manual from-to", object(kPcbObjectManualFromTo), call(QueryManualFromTo)},
      {"class", object(kPcbObjectClass), call(QueryClass)},
      {"embedded", object(kPcbObjectEmbedded), call(QueryEmbedded)},
      {"embedded board", object(kPcbObjectEmbeddedBoard), call(QueryEmbeddedBoard)},
      {"coordinate", object(kPcbObjectCoordinate), call(QueryCoordinate)},
      {"dimension", object(kPcbObjectDimension), call(QueryDimension)},
      {"ext dimension", object(kPcbObjectDimension), call(QueryExtDimension)},
      {"violation", object(kPcbObjectViolation), call(QueryViolation)},
      {"rule", rule(kRuleWidth), call(QueryRule)},
      {"rule ex", rule(kRuleWidth), call(QueryRuleEx)},
      {"rule ext", rule(kRuleWidth), call(QueryRuleExt)},
      {"rule name", rule(kRuleWidth), call(QueryRuleExtEx)},
      {"clearance", rule(kRuleClearance), call(QueryRuleClearanceConstraint)},
      {"parallel segment", rule(kRuleParallelSegment), call(QueryRuleParallelSegmentConstraint)},
      {"width", rule(kRuleWidth), call(QueryRuleMaxMinWidthConstraintExt)},
      {"stub length", rule(kRuleStubLength), call(QueryRuleDaisyChainStubLengthConstraint)},
      {"topology", rule(kRuleRoutingTopology), call(QueryRuleRoutingTopologyRule)},
      {"routing layers", rule(kRuleRoutingLayers), call(QueryRuleRoutingLayersRule)},
      {"via style", rule(kRuleRoutingVias), call(QueryRuleRoutingViaStyleRuleExt)},
      {"vias under SMD", rule(kRuleViasUnderSMD), call(QueryRuleViasUnderSMDConstraint)},
      {"via count", rule(kRuleMaximumViaCount), call(QueryRuleMaximumViaCountRule)},
      {"SMD to corner", rule(kRuleSMDToCorner), call(QueryRuleSMDToCorner)},
  };
  const PcbHandle net = CreateObject(kPcbObjectNet);
  const PcbHandle otherRule = CreateRuleObject(kRuleQuarn);
  for (const TExchange& exchange : exchanges) {
    SCOPED_TRACE(exchange.Name);
    const PcbHandle handle = exchange.Create();
    ASSERT_NE(handle, 0u);
    EXPECT_EQ(exchange.Call(kPcbMessageRead, handle, true), kPcbOk);
    EXPECT_EQ(exchange.Call(kPcbMessageWrite, handle, true), kPcbOk);
    EXPECT_EQ(exchange.Call(kPcbMessageSecondWrite, handle, true), kPcbOk);
    EXPECT_EQ(exchange.Call(7, handle, true), kPcbFail) << "unknown message";
    EXPECT_EQ(exchange.Call(kPcbMessageRead, handle, false), kPcbFail) << "no record";
    EXPECT_EQ(exchange.Call(kPcbMessageRead, 0, true), kPcbFail) << "nil";
    const bool constraint =
        std::string_view(exchange.Name).find("rule") == std::string_view::npos &&
        GetObjectIdFromObjectHandle(handle) == kPcbObjectRule;
    const PcbHandle other = constraint                                           ? otherRule
                            : GetObjectIdFromObjectHandle(handle) == kPcbObjectNet ? Board
                                                                                 : net;
    EXPECT_EQ(exchange.Call(kPcbMessageRead, other, true), kPcbFail) << "another kind";
    EXPECT_EQ(exchange.Call(kPcbMessageWrite, other, true), kPcbFail) << "another kind";
    ASSERT_EQ(DestroyObject(handle), kPcbOk);
    EXPECT_EQ(exchange.Call(kPcbMessageRead, handle, true), kPcbFail) << "destroyed";
    EXPECT_EQ(exchange.Call(kPcbMessageWrite, handle, true), kPcbFail) << "destroyed";
  }
  EXPECT_EQ(DestroyObject(0), kPcbFail);
  EXPECT_EQ(GetObjectIdFromObjectHandle(0), 0);
}

// Records filled with a byte pattern: what the host keeps whole comes back byte for byte, and
// the values it only carries come back as written.
template <class Record>
Record Patterned() {
  Record record;
  auto* bytes = reinterpret_cast<uint8_t*>(&record);
  for (std::size_t i = 0; i < sizeof(Record); ++i) bytes[i] = static_cast<uint8_t>(i * 7 + 3);
  return record;
}

template <class Record>
bool SameBytes(const Record& a, const Record& b) {
  return std::memcmp(a.bytes, b.bytes, sizeof(a.bytes)) == 0;
}

TEST_F(ServerObjects, CarriedValuesComeBackAsWritten) {
  const auto roundTrip = [](auto query, PcbHandle handle, auto written) {
    EXPECT_EQ(query(kPcbMessageWrite, handle, &written), kPcbOk);
    decltype(written) read{};
    EXPECT_EQ(query(kPcbMessageRead, handle, &read), kPcbOk);
    return read;
  };
  const PcbHandle component = CreateObject(kPcbObjectComponent);
  EXPECT_TRUE(SameBytes(roundTrip(QueryComponentEx, component, Patterned<PcbComponentExRecord>()),
                        Patterned<PcbComponentExRecord>()));
  const auto links = roundTrip(QueryComponentSourceLinks, component,
                               Patterned<PcbComponentSourceLinksRecord>());
  const auto patternedLinks = Patterned<PcbComponentSourceLinksRecord>();
  EXPECT_EQ(std::memcmp(&links, &patternedLinks, sizeof(links)), 0);
  // Written back as zero, the component's extras read as zero again; the others stay.
  EXPECT_TRUE(SameBytes(roundTrip(QueryComponentEx, component, PcbComponentExRecord{}),
                        PcbComponentExRecord{}));
  PcbComponentSourceLinksRecord keptLinks{};
  EXPECT_EQ(QueryComponentSourceLinks(kPcbMessageRead, component, &keptLinks), kPcbOk);
  EXPECT_EQ(std::memcmp(&keptLinks, &patternedLinks, sizeof(links)), 0);
  const auto clearedLinks =
      roundTrip(QueryComponentSourceLinks, component, PcbComponentSourceLinksRecord{});
  const PcbComponentSourceLinksRecord noLinks{};
  EXPECT_EQ(std::memcmp(&clearedLinks, &noLinks, sizeof(noLinks)), 0);
  EXPECT_TRUE(SameBytes(roundTrip(QueryComponentEx, component, Patterned<PcbComponentExRecord>()),
                        Patterned<PcbComponentExRecord>()))
      << "held again after all were cleared";
  EXPECT_TRUE(SameBytes(roundTrip(QueryRule, CreateRuleObject(kRuleHeight),
                                  Patterned<PcbRuleRecord>()),
                        Patterned<PcbRuleRecord>()));
  EXPECT_TRUE(SameBytes(roundTrip(QueryCoordinate, CreateObject(kPcbObjectCoordinate),
                                  Patterned<PcbCoordinateRecord>()),
                        Patterned<PcbCoordinateRecord>()));
  EXPECT_TRUE(SameBytes(roundTrip(QueryViolation, CreateObject(kPcbObjectViolation),
                                  Patterned<PcbViolationRecord>()),
                        Patterned<PcbViolationRecord>()));
  EXPECT_TRUE(SameBytes(roundTrip(QueryEmbeddedBoard, CreateObject(kPcbObjectEmbeddedBoard),
                                  Patterned<PcbEmbeddedBoardRecord>()),
                        Patterned<PcbEmbeddedBoardRecord>()));
  const PcbHandle dimension = CreateObject(kPcbObjectDimension);
  EXPECT_TRUE(SameBytes(roundTrip(QueryExtDimension, dimension, Patterned<PcbExtDimensionRecord>()),
                        Patterned<PcbExtDimensionRecord>()));
  PcbDimensionReferenceRecord reference = Patterned<PcbDimensionReferenceRecord>();
  EXPECT_EQ(References_At(kPcbMessageWrite, dimension, 1, &reference), kPcbFail) << "no gaps";
  EXPECT_EQ(References_At(kPcbMessageWrite, dimension, 0, &reference), kPcbOk);
  EXPECT_EQ(References_Count(dimension), 1);
  PcbDimensionReferenceRecord readReference{};
  EXPECT_EQ(References_At(kPcbMessageRead, dimension, 0, &readReference), kPcbOk);
  EXPECT_TRUE(SameBytes(readReference, reference));

  PcbTrackRecord track{};
  track.reserved1 = -1;
  track.reserved3 = 0x7FFFFFFF;
  track.aux32 = 0xFFFFFFFF;
  track.flags = 0xFFFF;
  const PcbTrackRecord readTrack = roundTrip(QueryTrack, CreateObject(kPcbObjectTrack), track);
  EXPECT_EQ(readTrack.reserved1, -1);
  EXPECT_EQ(readTrack.reserved3, 0x7FFFFFFF);
  EXPECT_EQ(readTrack.aux32, 0xFFFFFFFFu);
  EXPECT_EQ(readTrack.flags, 0xFFFF);
  // Reserved fields written back to zero read as zero (they are kept apart from the track).
  const PcbHandle cleared = CreateObject(kPcbObjectTrack);
  roundTrip(QueryTrack, cleared, track);
  EXPECT_EQ(roundTrip(QueryTrack, cleared, PcbTrackRecord{}).reserved1, 0);
  PcbRegionRecord region{};
  region.reserved1 = 11;
  region.reserved7 = 77;
  const PcbRegionRecord readRegion = roundTrip(QueryRegion, CreateObject(kPcbObjectRegion), region);
  EXPECT_EQ(readRegion.reserved1, 11);
  EXPECT_EQ(readRegion.reserved7, 77);
  PcbTrueTypeTextRecord trueType{};
  trueType.reserved4 = 4;
  trueType.reserved5 = 5;
  const PcbTrueTypeTextRecord readTrueType =
      roundTrip(QueryTrueTypeTextInfo, CreateObject(kPcbObjectText), trueType);
  EXPECT_EQ(readTrueType.reserved4, 4);
  EXPECT_EQ(readTrueType.reserved5, 5);
  EXPECT_EQ(readTrueType.fontName.length, 0);

  // A text's own values, its text (up to the record's 254 characters) and its font name.
  const PcbHandle text = CreateObject(kPcbObjectText);
  for (const std::string& written : {std::string("U7"), std::string(254, 'x'), std::string()}) {
    PcbTextRecord record{};
    record.x = -5;
    record.y = 7;
    record.rotation = 90.5;
    record.reserved1 = 1;
    record.reserved3 = 3;
    record.reserved6 = 6;
    record.text.length = static_cast<uint8_t>(written.size());
    std::memcpy(record.text.text, written.data(), written.size());
    const PcbTextRecord read = roundTrip(QueryText, text, record);
    EXPECT_EQ(std::string(read.text.text, read.text.length), written);
    EXPECT_EQ(read.x, -5);
    EXPECT_EQ(read.y, 7);
    EXPECT_EQ(read.rotation, 90.5);
    EXPECT_EQ(read.reserved1, 1);
    EXPECT_EQ(read.reserved3, 3);
    EXPECT_EQ(read.reserved6, 6);
  }
  PcbTextRecord tooLong{};
  tooLong.text.length = 255;  // one beyond the record's room
  std::memset(tooLong.text.text, 'y', sizeof(tooLong.text.text));
  EXPECT_EQ(roundTrip(QueryText, text, tooLong).text.length, sizeof(tooLong.text.text));
  PcbTrueTypeTextRecord font{};
  font.fontName.length = 11;
  std::memcpy(font.fontName.text, "Courier New", 11);
  const PcbTrueTypeTextRecord readFont = roundTrip(QueryTrueTypeTextInfo, text, font);
  EXPECT_EQ(std::string(readFont.fontName.text, readFont.fontName.length), "Courier New");
  // Every value of a pad's own comes back (the common ones are the object's).
  PcbPadRecord pad{};
  int32_t next = 1;
  for (int32_t* value : {&pad.x, &pad.y, &pad.topXSize, &pad.topYSize, &pad.middleXSize,
                         &pad.middleYSize, &pad.bottomXSize, &pad.bottomYSize, &pad.holeSize,
                         &pad.reserved1, &pad.reserved2, &pad.reserved3, &pad.reserved4})
    *value = next++ * 1000;
  uint8_t nextByte = 1;
  for (uint8_t* value : {&pad.topShape, &pad.middleShape, &pad.bottomShape, &pad.pinRole,
                         &pad.option, &pad.flagByte1, &pad.flagByte2})
    *value = nextByte++;
  pad.rotation = 33.25;
  pad.layer = kMultiLayer;
  pad.name.length = 21;  // one beyond the room
  std::memset(pad.name.text, 'p', sizeof(pad.name.text));
  const PcbPadRecord readPad = roundTrip(QueryPad, CreateObject(kPcbObjectPad), pad);
  next = 1;
  for (const int32_t* value :
       {&readPad.x, &readPad.y, &readPad.topXSize, &readPad.topYSize, &readPad.middleXSize,
        &readPad.middleYSize, &readPad.bottomXSize, &readPad.bottomYSize, &readPad.holeSize,
        &readPad.reserved1, &readPad.reserved2, &readPad.reserved3, &readPad.reserved4})
    EXPECT_EQ(*value, next++ * 1000);
  nextByte = 1;
  for (const uint8_t* value : {&readPad.topShape, &readPad.middleShape, &readPad.bottomShape,
                               &readPad.pinRole, &readPad.option, &readPad.flagByte1,
                               &readPad.flagByte2})
    EXPECT_EQ(*value, nextByte++);
  EXPECT_EQ(readPad.rotation, 33.25);
  EXPECT_EQ(readPad.layer, kMultiLayer);
  EXPECT_EQ(std::string(readPad.name.text, readPad.name.length),
            std::string(sizeof(pad.name.text), 'p'));

  PcbTrueTypeTextRecord fresh{};
  ASSERT_EQ(QueryTrueTypeTextInfo(kPcbMessageRead, CreateObject(kPcbObjectText), &fresh), kPcbOk);
  EXPECT_EQ(std::string(fresh.fontName.text, fresh.fontName.length), "Arial") << "a new text";
  EXPECT_EQ(fresh.reserved5, 200000) << "20 mil";
}

TEST_F(ServerObjects, BoardIterationGoesByKindAndLayerInCreationOrderWithComponentPrimitives) {
  const PcbHandle net = AddNew(Board, kPcbObjectNet);
  const PcbHandle a = Track(Board, kTopLayer, net);
  const PcbHandle b = Track(Board, kBottomLayer);
  const PcbHandle component = AddNew(Board, kPcbObjectComponent);
  const PcbHandle inside = Track(component, kTopLayer, net);
  const PcbHandle c = Track(Board, kTopLayer);
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack), (std::vector<PcbHandle>{a, b, inside, c}));
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack, kTopLayer), (std::vector<PcbHandle>{a, inside, c}));
  EXPECT_EQ(Iterate(component, kPcbObjectTrack), std::vector<PcbHandle>{inside});
  EXPECT_EQ(Iterate(net, kPcbObjectTrack), (std::vector<PcbHandle>{a, inside}));
  EXPECT_EQ(Iterate(net, kPcbObjectTrack, kBottomLayer), std::vector<PcbHandle>{});
  // A component comes with its designator and second text, both on the top overlay.
  EXPECT_EQ(Iterate(component, kPcbObjectText).size(), 2u);
  EXPECT_EQ(Iterate(Board, kPcbObjectText, kTopOverlay).size(), 2u);
  EXPECT_EQ(CreateIterator(Board, 0, kPcbIterateDefault, 0), 0u) << "no such kind";
  EXPECT_EQ(CreateIterator(Board, kPcbObjectTrack, 1, 0), 0u) << "no such method";
  EXPECT_EQ(CreateIterator(a, kPcbObjectTrack, kPcbIterateDefault, 0), 0u) << "not a container";
}

// Iteration by layer and by net follows objects that change layer or net on the board, and
// a component turned over takes its members to the other side.
TEST_F(ServerObjects, IterationFollowsObjectsToTheirNewLayerAndNet) {
  const PcbHandle first = AddNew(Board, kPcbObjectNet);
  const PcbHandle second = AddNew(Board, kPcbObjectNet);
  const PcbHandle a = Track(Board, kTopLayer, first);
  const PcbHandle b = Track(Board, kTopLayer, first);
  PcbTrackRecord record{};
  ASSERT_EQ(QueryTrack(kPcbMessageRead, a, &record), kPcbOk);
  record.layer = kBottomLayer;
  record.net = second;
  ASSERT_EQ(QueryTrack(kPcbMessageWrite, a, &record), kPcbOk);
  record.width = 99;  // a change that moves nothing
  ASSERT_EQ(QueryTrack(kPcbMessageWrite, a, &record), kPcbOk);
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack, kTopLayer), std::vector<PcbHandle>{b});
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack, kBottomLayer), std::vector<PcbHandle>{a});
  EXPECT_EQ(Iterate(first, kPcbObjectTrack), std::vector<PcbHandle>{b});
  EXPECT_EQ(Iterate(second, kPcbObjectTrack), std::vector<PcbHandle>{a});
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack), (std::vector<PcbHandle>{a, b}));

  const PcbHandle component = AddNew(Board, kPcbObjectComponent);
  const PcbHandle inside = Track(component, kTopLayer);
  PcbComponentRecord placed{};
  ASSERT_EQ(QueryComponent(kPcbMessageRead, component, &placed), kPcbOk);
  placed.layer = kBottomLayer;
  ASSERT_EQ(QueryComponent(kPcbMessageWrite, component, &placed), kPcbOk);
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack, kBottomLayer), (std::vector<PcbHandle>{a, inside}));
  EXPECT_EQ(Iterate(Board, kPcbObjectTrack, kTopLayer), std::vector<PcbHandle>{b});
}

TEST_F(ServerObjects, AnIteratorGoesOnAfterTheObjectItGaveIsRemoved) {
  std::vector<PcbHandle> tracks;
  for (int i = 0; i < 5; ++i) tracks.push_back(Track(Board, kTopLayer));
  const PcbHandle iterator = CreateIterator(Board, kPcbObjectTrack, kPcbIterateDefault, 0);
  std::vector<PcbHandle> seen;
  for (PcbHandle h = GetFirstObject(iterator); h != 0; h = GetNextObject(iterator)) {
    seen.push_back(h);
    ASSERT_EQ(DeleteObjectFromContainer(Board, h), kPcbOk);
    ASSERT_EQ(DestroyObject(h), kPcbOk);
  }
  EXPECT_EQ(seen, tracks);
  EXPECT_EQ(DestroyIterator(iterator), kPcbOk);
  EXPECT_EQ(GetFirstObject(iterator), 0u) << "destroyed iterator";
  EXPECT_EQ(DestroyIterator(iterator), kPcbFail);
}

TEST_F(ServerObjects, ObjectsThatLeaveTakeTheirReferencesAlong) {
  const PcbHandle net = AddNew(Board, kPcbObjectNet);
  const PcbHandle track = Track(Board, kTopLayer, net);
  ASSERT_EQ(DeleteObjectFromContainer(Board, net), kPcbOk);
  PcbTrackRecord record{};
  QueryTrack(kPcbMessageRead, track, &record);
  EXPECT_EQ(record.net, 0u) << "a net that leaves the board leaves its primitives";

  const PcbHandle component = AddNew(Board, kPcbObjectComponent);
  PcbComponentRecord placed{};
  QueryComponent(kPcbMessageRead, component, &placed);
  const PcbHandle designator = placed.designatorText;
  const PcbHandle pad = AddNew(component, kPcbObjectPad);
  ASSERT_EQ(DeleteObjectFromContainer(component, designator), kPcbOk);
  QueryComponent(kPcbMessageRead, component, &placed);
  EXPECT_EQ(placed.designatorText, 0u) << "the designator left the component";
  ASSERT_EQ(DestroyObject(component), kPcbOk);
  EXPECT_EQ(GetObjectIdFromObjectHandle(pad), 0) << "members go with their component";
  EXPECT_EQ(GetObjectIdFromObjectHandle(designator), kPcbObjectText) << "no longer a member";
  EXPECT_TRUE(Iterate(Board, kPcbObjectPad).empty());

  ASSERT_EQ(CreateBoardOutline(Board), kPcbOk);
  PcbBoardRecord board{};
  QueryBoard(kPcbMessageRead, Board, &board);
  ASSERT_NE(board.boardOutline, 0u);
  EXPECT_EQ(CreateBoardOutline(Board), kPcbOk) << "keeps the one it has";
  ASSERT_EQ(DestroyObject(board.boardOutline), kPcbOk);
  QueryBoard(kPcbMessageRead, Board, &board);
  EXPECT_EQ(board.boardOutline, 0u);
  EXPECT_EQ(UpdateBoardOutline(Board), kPcbFail) << "no outline to update";
}

TEST_F(ServerObjects, EveryChangeMarksTheBoardModifiedAndReadingDoesNot) {
  const PcbHandle pad = AddNew(Board, kPcbObjectPad);
  const PcbHandle cls = AddNew(Board, kPcbObjectClass);
  const PcbHandle rule = CreateRuleObject(kRuleWidth);
  ASSERT_EQ(AddObjectToContainer(Board, rule), kPcbOk);
  PcbPadRecord padRecord{};
  PcbBoardRecord boardRecord{};
  PcbLayerRecord layerRecord{};
  PcbMaxMinWidthConstraintRecord width{};
  uint8_t bits = 0;
  const PcbShortString name{3, "GND"};
  struct TCase {
    const char* What;
    std::function<int32_t()> Change;
    bool Modifies;
  };
  const TCase cases[] = {
      {"read a pad", [&] { return QueryPad(kPcbMessageRead, pad, &padRecord); }, false},
      {"write a pad", [&] { return QueryPad(kPcbMessageWrite, pad, &padRecord); }, true},
      {"set a pad's size on a layer", [&] { return SetPadSizeOnLayer(pad, 5, 1, 2); }, true},
      {"write bit field 2", [&] { return GetObjectBitField2(kPcbMessageWrite, pad, &bits); }, true},
      {"read the board", [&] { return QueryBoard(kPcbMessageRead, Board, &boardRecord); }, false},
      {"write the board", [&] { return QueryBoard(kPcbMessageWrite, Board, &boardRecord); }, true},
      {"read a layer", [&] { return QueryLayer(kPcbMessageRead, 3, Board, &layerRecord); }, false},
      {"write a layer", [&] { return QueryLayer(kPcbMessageWrite, 3, Board, &layerRecord); }, true},
      {"insert a layer", [&] { return InsertLayerInStack(Board, 2, kTopLayer); }, true},
      {"add a class member", [&] { return AddMemberToClass(cls, &name); }, true},
      {"write a width", [&] { return QueryRuleMaxMinWidthConstraintExt(0, rule, &width); }, true},
      {"add an object", [&] { return AddObjectToContainer(Board, CreateObject(kPcbObjectVia)); },
       true},
      {"delete an object", [&] { return DeleteObjectFromContainer(Board, pad); }, true},
  };
  standin::TBoard& board = BoardOf(Board);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    board.SetModified(false);
    EXPECT_EQ(c.Change(), kPcbOk);
    EXPECT_EQ(board.Modified(), c.Modifies);
  }
}

// The four values a layer that a new pad is read back with: a pad's own, a via's diameter on
// the layers it spans, and failures for every other handle, for layers beyond 82 and for
// missing answers.
TEST_F(ServerObjects, PerLayerQueriesAnswerPadsAndViasAndNothingElse) {
  const PcbHandle pad = AddNew(Board, kPcbObjectPad);
  PcbPadRecord padRecord{};
  padRecord.layer = kMultiLayer;
  padRecord.topShape = padRecord.middleShape = padRecord.bottomShape = kPadShapeRoundedRectangle;
  padRecord.topXSize = 600, padRecord.topYSize = 400;
  padRecord.middleXSize = 500, padRecord.middleYSize = 300;
  padRecord.bottomXSize = 200, padRecord.bottomYSize = 100;
  ASSERT_EQ(QueryPad(kPcbMessageWrite, pad, &padRecord), kPcbOk);
  uint8_t mode = kPadStackTopMiddleBottom;
  ASSERT_EQ(QueryPadStackMode(kPcbMessageWrite, pad, &mode), kPcbOk);
  ASSERT_EQ(SetCRPctOnLayer(pad, kTopLayer, 50), kPcbOk);
  ASSERT_EQ(SetCRPctOnLayer(pad, kMidLayer1 + 3, 20), kPcbOk);
  const PcbHandle via = AddNew(Board, kPcbObjectVia);
  PcbViaRecord viaRecord{};
  viaRecord.diameter = 450;
  viaRecord.startLayer = kTopLayer;
  viaRecord.endLayer = kMidLayer1 + 1;
  ASSERT_EQ(QueryVia(kPcbMessageWrite, via, &viaRecord), kPcbOk);
  const PcbHandle track = Track(Board, kTopLayer);
  const PcbHandle destroyed = CreateObject(kPcbObjectPad);
  ASSERT_EQ(DestroyObject(destroyed), kPcbOk);

  struct TAnswer {
    int32_t Status = kPcbFail;
    uint8_t Shape = 0;
    int32_t XSize = 0;
    int32_t YSize = 0;
    int32_t Radius = 0;
    uint8_t Percent = 0;
  };
  const auto ask = [](PcbHandle handle, PcbLayerNumber layer) {
    TAnswer shape, size, radius, percent;
    shape.Status = QueryPadOrViaShapeOnLayer(handle, layer, &shape.Shape);
    size.Status = QueryPadOrViaSizeOnLayer(handle, layer, &size.XSize, &size.YSize);
    radius.Status = QueryPadCornerRadiusOnLayer(handle, layer, &radius.Radius);
    percent.Status = QueryPadCRPercentageOnLayer(handle, layer, &percent.Percent);
    return std::vector<int32_t>{shape.Status, shape.Shape,   size.Status,    size.XSize,
                                size.YSize,   radius.Status, radius.Radius, percent.Status,
                                percent.Percent};
  };
  constexpr int32_t ok = kPcbOk, fail = kPcbFail;
  constexpr int32_t rounded = kPadShapeRoundedRectangle, round = kPadShapeRound;
  struct TCase {
    const char* What;
    PcbHandle Handle;
    PcbLayerNumber Layer;
    std::vector<int32_t> Expected;  // status and values of shape, size, radius, percentage
  };
  const TCase cases[] = {
      {"pad, top", pad, kTopLayer, {ok, rounded, ok, 600, 400, ok, 100, ok, 50}},
      {"pad, a middle layer", pad, kMidLayer1 + 7, {ok, rounded, ok, 500, 300, ok, 30, ok, 20}},
      {"pad, bottom", pad, kBottomLayer, {ok, rounded, ok, 200, 100, ok, 0, ok, 0}},
      {"pad, multi-layer", pad, kMultiLayer, {ok, rounded, ok, 600, 400, ok, 100, ok, 50}},
      {"pad, an overlay", pad, kTopOverlay, {ok, 0, ok, 0, 0, ok, 0, ok, 0}},
      {"pad, beyond 82", pad, kLayerCount, {fail, 0, fail, 0, 0, fail, 0, fail, 0}},
      {"via, a layer it spans", via, kMidLayer1, {ok, round, ok, 450, 450, fail, 0, fail, 0}},
      {"via, a plane", via, kInternalPlane1, {ok, round, ok, 450, 450, fail, 0, fail, 0}},
      {"via, below its span", via, kBottomLayer, {ok, 0, ok, 0, 0, fail, 0, fail, 0}},
      {"track", track, kTopLayer, {fail, 0, fail, 0, 0, fail, 0, fail, 0}},
      {"destroyed pad", destroyed, kTopLayer, {fail, 0, fail, 0, 0, fail, 0, fail, 0}},
      {"nil", 0, kTopLayer, {fail, 0, fail, 0, 0, fail, 0, fail, 0}},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    EXPECT_EQ(ask(c.Handle, c.Layer), c.Expected);
  }
  EXPECT_EQ(QueryPadOrViaShapeOnLayer(pad, kTopLayer, nullptr), kPcbFail);
  EXPECT_EQ(QueryPadOrViaSizeOnLayer(via, kTopLayer, nullptr, nullptr), kPcbFail);
  EXPECT_EQ(QueryPadCornerRadiusOnLayer(pad, kTopLayer, nullptr), kPcbFail);
  EXPECT_EQ(QueryPadCRPercentageOnLayer(pad, kTopLayer, nullptr), kPcbFail);
}

// A record may name a net only by the handle of a net that exists.
TEST_F(ServerObjects, ARecordNamingNoNetIsRefused) {
  const PcbHandle net = AddNew(Board, kPcbObjectNet);
  const PcbHandle gone = CreateObject(kPcbObjectNet);
  ASSERT_EQ(DestroyObject(gone), kPcbOk);
  const PcbHandle track = CreateObject(kPcbObjectTrack);
  struct TCase {
    const char* What;
    PcbHandle Net;
    int32_t Status;
  };
  const TCase cases[] = {
      {"a net", net, kPcbOk},          {"no net", 0, kPcbOk},
      {"a track", track, kPcbFail},     {"the board", Board, kPcbFail},
      {"a destroyed net", gone, kPcbFail}, {"a handle never given", 0x7fffffff, kPcbFail},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    PcbTrackRecord record{};
    record.layer = kTopLayer;
    record.net = c.Net;
    EXPECT_EQ(QueryTrack(kPcbMessageWrite, track, &record), c.Status);
  }
  PcbTrackRecord read{};
  ASSERT_EQ(QueryTrack(kPcbMessageRead, track, &read), kPcbOk);
  EXPECT_EQ(read.net, 0u) << "the last write that was taken named no net";
}

TEST_F(ServerObjects, WithoutARunningServerEveryCallFails) {
  const PcbHandle track = AddNew(Board, kPcbObjectTrack);
  TearDown();
  PcbTrackRecord record{};
  EXPECT_EQ(QueryTrack(kPcbMessageRead, track, &record), kPcbFail);
  EXPECT_EQ(CreateObject(kPcbObjectTrack), 0u);
  EXPECT_EQ(CreateIterator(Board, kPcbObjectTrack, kPcbIterateDefault, 0), 0u);
  EXPECT_EQ(GetCurrentBoardHandle(), 0u);
  SetUp();  // TearDown runs once more after the test
}

}  // namespace
