// Board documents (.pcbdoc): the fields by the names readers of the document rely on, fields
// at zero left out and read back as zero, a save after a load gives the same document (also
// from a document written with every field), and documents that cannot be loaded are refused
// with one error naming the file and the problem, loading nothing and writing nothing.
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "server/Board.h"
#include "server/BoardDocumentFile.h"
#include "standin/ServerTestSupport.h"
#include "support/BoardDocumentForms.h"
#include "support/TempFolder.h"

namespace {

using namespace standin::api;
using TJson = nlohmann::ordered_json;
using board_document::AsVersion1;
using board_document::AsVersion2;
using board_document::RecordsOf;

PcbShortString Short(std::string_view text) {
  PcbShortString result{};
  result.length = static_cast<uint8_t>(text.size());
  std::memcpy(result.text, text.data(), text.size());
  return result;
}

// Every byte but zero, for names that must survive byte for byte.
std::string AllBytes() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

class ServerDocument : public TServerTest {
protected:
  // A board with an object of every kind and values off their defaults.
  PcbHandle SampleBoard(const std::string& path) {
    const PcbHandle board = NewBoard(path);
    PcbBoardRecord boardRecord{};
    QueryBoard(kPcbMessageRead, board, &boardRecord);
    boardRecord.originX = 123;
    boardRecord.originY = -456;
    boardRecord.currentLayer = kBottomLayer;
    QueryBoard(kPcbMessageWrite, board, &boardRecord);
    PcbGerberOptionsRecord gerber{};
    gerber.bytes[3] = 0xAB;
    QueryBoardGerberOptions(kPcbMessageWrite, board, &gerber);
    uint8_t plot = 5;
    QueryBoardOutputOptionsPlotLayers(kPcbMessageWrite, board, 109, &plot);
    InsertLayerInStack(board, 39, kTopLayer);
    PcbInternalPlaneRecord plane{};
    QueryInternalPlane(kPcbMessageRead, 39, board, &plane);
    plane.planeNet = Short("GND");
    QueryInternalPlane(kPcbMessageWrite, 39, board, &plane);
    int32_t pairs = 1;
    QueryBoardLayerPairsCount(kPcbMessageWrite, board, &pairs);
    PcbLayerPairRecord pair{kBottomLayer, kTopLayer, 1, 2};
    QueryBoardLayerPairAt(kPcbMessageWrite, board, 0, &pair);

    const PcbHandle net = AddNew(board, kPcbObjectNet);
    PcbNetRecord netRecord{};
    netRecord.name = Short(AllBytes());
    QueryNet(kPcbMessageWrite, net, &netRecord);

    const PcbHandle track = AddNew(board, kPcbObjectTrack);
    PcbTrackRecord trackRecord{kPcbFlagKeepout | 0x0010, 3, kTopLayer, net, 1, 99, 10, 20, 30, 40,
                               5, 6, 7, 8};
    QueryTrack(kPcbMessageWrite, track, &trackRecord);

    const PcbHandle component = AddNew(board, kPcbObjectComponent);
    PcbComponentRecord placed{};
    QueryComponent(kPcbMessageRead, component, &placed);
    PcbTextRecord designator{};
    QueryText(kPcbMessageRead, placed.designatorText, &designator);
    designator.text = {2, "U1"};
    QueryText(kPcbMessageWrite, placed.designatorText, &designator);
    const PcbHandle pad = AddNew(component, kPcbObjectPad);
    PcbPadRecord padRecord{};
    QueryPad(kPcbMessageRead, pad, &padRecord);
    padRecord.x = 1000;
    padRecord.topShape = kPadShapeRectangular;
    padRecord.topXSize = 600;
    padRecord.topYSize = 400;
    padRecord.name = {1, "1"};
    padRecord.net = net;
    QueryPad(kPcbMessageWrite, pad, &padRecord);
    uint8_t full = kPadStackFull;
    QueryPadStackMode(kPcbMessageWrite, pad, &full);
    SetPadShapeOnLayer(pad, 5, kPadShapeRoundedRectangle);
    SetPadSizeOnLayer(pad, 5, 300, 200);
    SetCRPctOnLayer(pad, 5, 25);
    const PcbHandle arc = AddNew(component, kPcbObjectArc);
    PcbArcRecord arcRecord{0, 0, kTopOverlay, 0, 0, 0, 0, 0, 500, 0.0, 90.0, 10, 0};
    QueryArc(kPcbMessageWrite, arc, &arcRecord);
    placed.x = 50000;
    placed.y = 60000;
    placed.rotation = 90;
    placed.footprint = Short("SOIC8");
    QueryComponent(kPcbMessageWrite, component, &placed);

    const PcbHandle polygon = AddNew(board, kPcbObjectPolygon);
    static PcbPolygonRecord polygonRecord{};
    QueryPolygon(kPcbMessageRead, polygon, &polygonRecord);
    polygonRecord.layer = kBottomLayer;
    polygonRecord.pourStyle = 1;
    polygonRecord.outline.segmentCount = 3;
    polygonRecord.outline.segments[0] = {kPcbSegmentLine, 0, 0};
    polygonRecord.outline.segments[1] = {kPcbSegmentArc, 100, 0, 50, 0, 50, 180.0, 360.0};
    polygonRecord.outline.segments[2] = {kPcbSegmentLine, 100, 100};
    QueryPolygon(kPcbMessageWrite, polygon, &polygonRecord);
    CreateBoardOutline(board);

    const PcbHandle rule = CreateRuleObject(kRuleRoutingLayers);
    PcbRoutingLayersRuleRecord layers{};
    layers.layers[31] = 2;
    QueryRuleRoutingLayersRule(kPcbMessageWrite, rule, &layers);
    PcbShortString ruleName = Short("Layers");
    QueryRuleExtEx(kPcbMessageWrite, rule, &ruleName);
    AddObjectToContainer(board, rule);
    const PcbHandle width = CreateRuleObject(kRuleWidth);
    PcbMaxMinWidthConstraintRecord widths{120000, 80000, 100000};
    QueryRuleMaxMinWidthConstraintExt(kPcbMessageWrite, width, &widths);
    AddObjectToContainer(board, width);

    const PcbHandle cls = AddNew(board, kPcbObjectClass);
    const PcbShortString member = Short("VCC");
    AddMemberToClass(cls, &member);
    const PcbHandle embedded = AddNew(board, kPcbObjectEmbedded);
    PcbEmbeddedRecord embeddedRecord{};
    embeddedRecord.name = Short("SpecctraIF");
    std::memcpy(embeddedRecord.data, "data\xE9\xFF", 6);
    QueryEmbedded(kPcbMessageWrite, embedded, &embeddedRecord);
    // Values carried unchanged, off their zero defaults.
    PcbComponentExRecord extended{};
    extended.bytes[255] = 0x5A;
    QueryComponentEx(kPcbMessageWrite, component, &extended);
    PcbComponentSourceLinksRecord links{};
    links.links[7] = Short("link8");
    QueryComponentSourceLinks(kPcbMessageWrite, component, &links);
    const PcbHandle coordinate = AddNew(board, kPcbObjectCoordinate);
    PcbCoordinateRecord coordinateRecord{};
    coordinateRecord.bytes[0] = 1;
    coordinateRecord.bytes[127] = 0xFF;
    QueryCoordinate(kPcbMessageWrite, coordinate, &coordinateRecord);
    const PcbHandle dimension = AddNew(board, kPcbObjectDimension);
    PcbDimensionReferenceRecord reference{};
    reference.bytes[63] = 63;
    References_At(kPcbMessageWrite, dimension, 0, &reference);
    PcbSubScopeRecord subScope{};
    subScope.text = Short("sub");
    subScope.reserved8 = -8;
    SetState_AddSubscope(width, 2, &subScope);
    PcbRuleExtRecord ext{};
    ext.sameNet = 1;
    ext.reserved1 = 9;
    QueryRuleExt(kPcbMessageWrite, width, &ext);
    for (const uint8_t kind : {kPcbObjectVia, kPcbObjectFill, kPcbObjectSplitPlane,
                               kPcbObjectFromTo, kPcbObjectManualFromTo,
                               kPcbObjectViolation, kPcbObjectEmbeddedBoard,
                               kPcbObjectComponentBody, kPcbObjectDifferentialPair})
      AddNew(board, kind);
    return board;
  }

  TTempFolder Folder;
};

TJson ReadJson(const std::string& path) { return TJson::parse(TTempFolder::Read(path)); }

const TJson* FindObject(const TJson& document, const std::string& kindName, int skip = 0) {
  for (const TJson& object : document["objects"])
    if (object["kindName"] == kindName && skip-- == 0) return &object;
  return nullptr;
}

// The field's value; null when the document leaves it out (at zero).
TJson FieldOr(const TJson& object, const char* key) {
  const auto found = object.find(key);
  return found == object.end() ? TJson() : *found;
}

std::vector<std::string> KeysOf(const TJson& object, std::size_t count) {
  std::vector<std::string> keys;
  for (auto it = object.begin(); it != object.end() && keys.size() < count; ++it)
    keys.push_back(it.key());
  return keys;
}

TEST_F(ServerDocument, TheSavedDocumentNamesItsFieldsAsReadersExpect) {
  const PcbHandle board = SampleBoard(Folder.Path("sample.pcbdoc"));
  ASSERT_TRUE(SaveBoard(board)) << LastError();
  const TJson saved = ReadJson(Folder.Path("sample.pcbdoc"));
  EXPECT_EQ(KeysOf(saved, 6), (std::vector<std::string>{"format", "version", "board", "layers",
                                                        "layerPairs", "tables"}));
  EXPECT_EQ(saved["format"], "pcbdoc");
  EXPECT_EQ(saved["version"], 2);
  // The objects as records with their fields named, as the tables hold them.
  const TJson document = AsVersion1(saved);
  const TJson& boardFields = document["board"];
  EXPECT_EQ(KeysOf(boardFields, 5), (std::vector<std::string>{"fileName", "originX", "originY",
                                                              "unitMils", "currentLayer"}));
  EXPECT_EQ(boardFields["originY"], -456);
  EXPECT_EQ(boardFields["currentLayer"], kBottomLayer);
  EXPECT_EQ(boardFields["gerberOptions"], "000000AB");
  EXPECT_EQ(boardFields["plotLayers"].size(), 109u);
  EXPECT_EQ(boardFields["plotLayers"][108], 5);
  ASSERT_EQ(document["layers"].size(), 82u);
  const TJson& top = document["layers"][0];
  EXPECT_EQ(KeysOf(top, 5), (std::vector<std::string>{"number", "name", "next",
                                                      "copperThickness", "dielectric"}))
      << "\"prev\" is 0: left out";
  EXPECT_EQ(top["next"], 39);
  EXPECT_EQ(document["layers"][38]["planeNet"], "GND");
  EXPECT_EQ(document["layers"][38]["next"], kBottomLayer);
  EXPECT_EQ(document["layerPairs"][0]["startLayer"], kTopLayer);

  for (const TJson& object : document["objects"])
    EXPECT_EQ(KeysOf(object, 4),
              (std::vector<std::string>{"handle", "kind", "kindName", "container"}));
  const TJson* net = FindObject(document, "net");
  ASSERT_NE(net, nullptr);
  const TJson* track = FindObject(document, "track");
  ASSERT_NE(track, nullptr);
  EXPECT_EQ((*track)["kind"], kPcbObjectTrack);
  EXPECT_EQ((*track)["container"], 0);
  EXPECT_EQ((*track)["net"], (*net)["handle"]);
  for (const auto& [name, value] : std::map<std::string, TJson>{
           {"x1", 10}, {"y1", 20}, {"x2", 30}, {"y2", 40}, {"width", 5}, {"layer", 1},
           {"routed", true}, {"keepout", true}, {"testPointTop", nullptr},
           {"testPointBottom", nullptr}, {"flags", 0x0010}, {"aux16", 3}, {"aux32", 99}})
    EXPECT_EQ(FieldOr(*track, name.c_str()), value) << name;
  const TJson* via = FindObject(document, "via");
  ASSERT_NE(via, nullptr);
  for (const char* zero : {"net", "x", "y", "diameter", "holeSize", "keepout", "flags"})
    EXPECT_EQ(FieldOr(*via, zero), nullptr) << "a new via's " << zero << " is 0: left out";

  const TJson* component = FindObject(document, "component");
  ASSERT_NE(component, nullptr);
  EXPECT_EQ((*component)["designator"], "U1");
  EXPECT_EQ((*component)["footprint"], "SOIC8");
  EXPECT_EQ((*component)["x"], 50000);
  EXPECT_EQ((*component)["rotation"], 90.0);
  EXPECT_EQ((*component)["layer"], kTopLayer);
  const TJson* pad = FindObject(document, "pad");
  ASSERT_NE(pad, nullptr);
  EXPECT_EQ((*pad)["container"], (*component)["handle"]);
  EXPECT_EQ((*pad)["x"], 50000) << "board coordinates: turned by 90 degrees about the location";
  EXPECT_EQ((*pad)["y"], 61000);
  EXPECT_EQ((*pad)["rotation"], 90.0);
  EXPECT_EQ((*pad)["name"], "1");
  EXPECT_EQ((*pad)["stackMode"], kPadStackFull);
  EXPECT_EQ((*pad)["top"], (TJson{{"shape", 2}, {"x", 600}, {"y", 400}}));
  EXPECT_EQ((*pad)["perLayer"],
            TJson::parse(R"([{"layer":5,"shape":9,"x":300,"y":200,"cornerRadiusPercent":25}])"));
  const TJson* arc = FindObject(document, "arc");
  ASSERT_NE(arc, nullptr);
  EXPECT_EQ((*arc)["radius"], 500);
  EXPECT_EQ((*arc)["startAngle"], 90.0);
  EXPECT_EQ((*arc)["endAngle"], 180.0);
  const TJson* designator = FindObject(document, "text");
  ASSERT_NE(designator, nullptr);
  EXPECT_EQ((*designator)["text"], "U1");
  EXPECT_EQ((*designator)["layer"], kTopOverlay);

  const TJson* polygon = FindObject(document, "polygon");
  ASSERT_NE(polygon, nullptr);
  EXPECT_EQ((*polygon)["outline"], TJson::parse("[[0,0],[100,0],[100,100]]"));
  EXPECT_EQ((*polygon)["arcSegments"][0]["index"], 1);
  EXPECT_EQ((*polygon)["arcSegments"][0]["endAngle"], 360.0);
  const TJson* outline = FindObject(document, "boardOutline");
  ASSERT_NE(outline, nullptr);
  EXPECT_EQ(boardFields["boardOutline"], (*outline)["handle"]);

  const TJson* layersRule = FindObject(document, "rule");
  ASSERT_NE(layersRule, nullptr);
  EXPECT_EQ((*layersRule)["ruleKind"], kRuleRoutingLayers);
  EXPECT_EQ((*layersRule)["name"], "Layers");
  EXPECT_EQ((*layersRule)["scope1"], "All");
  ASSERT_EQ((*layersRule)["values"]["layers"].size(), 32u);
  EXPECT_EQ((*layersRule)["values"]["layers"][31], 2);
  const TJson* widthRule = FindObject(document, "rule", 1);
  ASSERT_NE(widthRule, nullptr);
  EXPECT_EQ((*widthRule)["values"], (TJson{{"maximum", 120000}, {"minimum", 80000},
                                           {"preferred", 100000}}));
  const TJson* cls = FindObject(document, "class");
  ASSERT_NE(cls, nullptr);
  EXPECT_EQ((*cls)["members"], TJson::array({"VCC"}));
  EXPECT_EQ(FieldOr(*cls, "classKind"), nullptr) << "net classes are kind 0";
  const TJson* embedded = FindObject(document, "embedded");
  ASSERT_NE(embedded, nullptr);
  EXPECT_EQ((*embedded)["name"], "SpecctraIF");
  EXPECT_EQ((*embedded)["data"], "data\u00e9\u00ff");
  EXPECT_EQ((*net)["name"].get<std::string>().size(), 127u + 2 * 128u) << "bytes as U+0001..U+00FF";
  EXPECT_EQ((*component)["extended"].get<std::string>().size(), 512u);
  EXPECT_EQ((*component)["sourceLinks"]["link8"], "link8");
  EXPECT_EQ((*FindObject(document, "coordinate"))["record"],
            "01" + std::string(252, '0') + "FF");
  EXPECT_EQ((*FindObject(document, "dimension"))["references"][0]["record"],
            std::string(126, '0') + "3F");
  EXPECT_EQ((*widthRule)["subScopes2"][0]["reserved8"], -8);
  EXPECT_EQ((*widthRule)["sameNet"], 1);
  EXPECT_EQ((*widthRule)["extReserved1"], 9);
}

// Handles are renumbered on load, and the file name is the document's own: both are
// replaced by what they stand for before documents are compared.
std::string Comparable(const std::string& text) {
  TJson document = AsVersion1(TJson::parse(text));
  document["board"].erase("fileName");
  std::map<uint64_t, uint64_t> order;
  for (const TJson& object : document["objects"])
    order.emplace(object["handle"].get<uint64_t>(), order.size() + 1);
  const auto renumber = [&](TJson& object, const char* key) {
    if (object.contains(key) && object[key].get<uint64_t>() != 0)
      object[key] = order.at(object[key].get<uint64_t>());
  };
  renumber(document["board"], "boardOutline");
  for (TJson& object : document["objects"]) {
    for (const char* key : {"handle", "container", "net"}) renumber(object, key);
    if (object["kindName"] == "component")
      for (const char* key : {"designatorText", "secondText"}) renumber(object, key);
  }
  // Fields compared by name: a table gives the fields it shares after the others.
  return nlohmann::json::parse(document.dump()).dump(1);
}

TEST_F(ServerDocument, ASavedBoardLoadsAndSavesAsTheSameDocument) {
  const PcbHandle board = SampleBoard(Folder.Path("a.pcbdoc"));
  ASSERT_TRUE(SaveBoard(board)) << LastError();
  const std::string first = TTempFolder::Read(Folder.Path("a.pcbdoc"));
  Folder.Write("b.pcbdoc", first);
  const PcbHandle loaded = LoadBoard(Folder.Path("b.pcbdoc"));
  ASSERT_NE(loaded, 0u) << LastError();
  EXPECT_FALSE(BoardOf(loaded).Modified());
  EXPECT_EQ(BoardOf(loaded).Index().Count(), BoardOf(board).Index().Count());
  ASSERT_TRUE(SaveBoard(loaded)) << LastError();
  const std::string second = TTempFolder::Read(Folder.Path("b.pcbdoc"));
  EXPECT_EQ(Comparable(second), Comparable(first));
  EXPECT_NE(RecordsOf(TJson::parse(second))[0]["handle"],
            RecordsOf(TJson::parse(first))[0]["handle"])
      << "new handles";

  // The loaded board behaves as the one saved: its component still carries its members.
  PcbHandle component = 0;
  const PcbHandle iterator = CreateIterator(loaded, kPcbObjectComponent, kPcbIterateDefault, 0);
  component = GetFirstObject(iterator);
  DestroyIterator(iterator);
  PcbComponentRecord placed{};
  ASSERT_EQ(QueryComponent(kPcbMessageRead, component, &placed), kPcbOk);
  placed.layer = kBottomLayer;
  placed.rotation = 0;
  ASSERT_EQ(QueryComponent(kPcbMessageWrite, component, &placed), kPcbOk);
  const TJson document = AsVersion1(TJson::parse(BoardDocumentText(Model(), BoardOf(loaded))));
  const TJson* pad = FindObject(document, "pad");
  ASSERT_NE(pad, nullptr);
  EXPECT_EQ((*pad)["x"], 49000) << "mirrored about the component's own Y axis";
  EXPECT_EQ((*pad)["y"], 60000);
  EXPECT_EQ((*pad)["layer"], kMultiLayer);
}

// Objects of one kind share a table: a column only for a field some object has off zero,
// values every object shares given once, handles in runs; the table loads back as it was.
TEST_F(ServerDocument, ObjectsOfAKindShareOneTable) {
  const PcbHandle board = NewBoard(Folder.Path("tracks.pcbdoc"));
  const PcbHandle net = AddNew(board, kPcbObjectNet);
  for (int i = 0; i < 3; ++i) {
    const PcbHandle track = AddNew(board, kPcbObjectTrack);
    PcbTrackRecord record{};
    QueryTrack(kPcbMessageRead, track, &record);
    record.layer = kBottomLayer;
    record.width = 250;
    record.x1 = i * 1000;
    record.x2 = i * 1000 + 500;
    record.net = i == 1 ? 0 : net;
    QueryTrack(kPcbMessageWrite, track, &record);
    if (i == 1) AddNew(board, kPcbObjectVia);  // the next track's handle is not the next one
  }
  ASSERT_TRUE(SaveBoard(board)) << LastError();
  const std::string first = TTempFolder::Read(Folder.Path("tracks.pcbdoc"));
  const TJson saved = TJson::parse(first);
  const TJson* tracks = nullptr;
  for (const TJson& table : saved["tables"])
    if (table["kindName"] == "track") tracks = &table;
  ASSERT_NE(tracks, nullptr);
  EXPECT_EQ(KeysOf(*tracks, 7), (std::vector<std::string>{"kind", "kindName", "count", "handles",
                                                          "columns", "same", "rows"}));
  EXPECT_EQ((*tracks)["count"], 3);
  const uint64_t start = (*tracks)["handles"][0][0].get<uint64_t>();
  EXPECT_EQ((*tracks)["handles"], TJson::parse("[[" + std::to_string(start) + ",2],[" +
                                               std::to_string(start + 3) + ",1]]"));
  EXPECT_EQ((*tracks)["columns"], TJson::parse(R"(["net","x1","x2"])")) << "y1, y2: zero";
  EXPECT_EQ((*tracks)["same"], TJson::parse(R"({"layer":32,"width":250})"));
  EXPECT_EQ((*tracks)["rows"][1], TJson::parse("[0,1000,1500]"));
  EXPECT_EQ(first.find("\n[0,1000,1500],\n") != std::string::npos, true) << "a row a line";

  const PcbHandle loaded = LoadBoard(Folder.Write("copy.pcbdoc", first));
  ASSERT_NE(loaded, 0u) << LastError();
  ASSERT_TRUE(SaveBoard(loaded)) << LastError();
  EXPECT_EQ(Comparable(TTempFolder::Read(Folder.Path("copy.pcbdoc"))), Comparable(first));
}

// The rows of a table may be formatted on several threads, a chunk of rows at a time: the
// document must be the one a single thread writes, whatever the chunks. The tracks make each
// chunk's survey count: a width all share but one late track, a flag only a late track sets
// (a column no earlier chunk found), a net of another board (written as none), and a layer all
// share; rules of two kinds name different fields.
TEST_F(ServerDocument, TheDocumentIsTheSameFormattedOnAnyNumberOfThreads) {
  const PcbHandle sample = SampleBoard(Folder.Path("sample.pcbdoc"));
  const PcbHandle board = NewBoard(Folder.Path("threads.pcbdoc"));
  const PcbHandle net = AddNew(board, kPcbObjectNet);
  const PcbHandle otherNet = AddNew(sample, kPcbObjectNet);
  for (int i = 0; i < 40; ++i) {
    const PcbHandle track = AddNew(board, kPcbObjectTrack);
    PcbTrackRecord record{};
    QueryTrack(kPcbMessageRead, track, &record);
    record.layer = kBottomLayer;
    record.x1 = i * 100;
    record.x2 = i * 100 + 50;
    record.width = i == 30 ? 300 : 250;
    record.flags = i == 37 ? kPcbFlagKeepout : 0;
    record.net = i == 25 ? otherNet : i % 3 == 0 ? 0 : net;
    QueryTrack(kPcbMessageWrite, track, &record);
  }
  for (const char* name : {"R1", "R2", "C7"}) {
    const PcbHandle component = AddNew(board, kPcbObjectComponent);
    PcbComponentRecord placed{};
    QueryComponent(kPcbMessageRead, component, &placed);
    PcbTextRecord designator{};
    QueryText(kPcbMessageRead, placed.designatorText, &designator);
    designator.text = {};
    designator.text.length = static_cast<uint8_t>(std::strlen(name));
    std::memcpy(designator.text.text, name, designator.text.length);
    QueryText(kPcbMessageWrite, placed.designatorText, &designator);
  }
  const std::string single = BoardDocumentText(Model(), BoardOf(board), {1, std::size_t{1} << 20});
  const TJson document = TJson::parse(single);
  const TJson* tracks = nullptr;
  for (const TJson& table : document["tables"])
    if (table["kindName"] == "track") tracks = &table;
  ASSERT_NE(tracks, nullptr);
  EXPECT_EQ((*tracks)["columns"], TJson::parse(R"(["net","keepout","x1","x2","width"])"));
  EXPECT_EQ((*tracks)["same"], TJson::parse(R"({"layer":32})"));
  EXPECT_EQ((*tracks)["rows"][25], TJson::parse("[0,false,2500,2550,250]")) << "another board's net";
  EXPECT_NE(single.find(R"("C7")"), std::string::npos) << "designators";

  const std::vector<standin::TTableFormatting> formattings = {
      {2, 1}, {2, 2}, {2, 3}, {2, 7}, {3, 4}, {8, 1}, {2, 4096}};
  for (const PcbHandle saved : {board, sample}) {
    const std::string reference =
        BoardDocumentText(Model(), BoardOf(saved), {1, std::size_t{1} << 20});
    for (const standin::TTableFormatting& formatting : formattings)
      EXPECT_EQ(BoardDocumentText(Model(), BoardOf(saved), formatting), reference)
          << formatting.Threads << " threads, chunks of " << formatting.ChunkRows << " rows";
    ASSERT_TRUE(SaveBoard(saved)) << LastError();
    EXPECT_EQ(TTempFolder::Read(BoardOf(saved).FileName()), reference) << "as saved";
  }
}

TEST_F(ServerDocument, AnEmptyFileIsAnEmptyBoard) {
  const PcbHandle board = LoadBoard(Folder.Write("empty.pcbdoc", ""));
  ASSERT_NE(board, 0u) << LastError();
  EXPECT_EQ(BoardOf(board).Index().Count(), 0u);
  EXPECT_FALSE(BoardOf(board).Modified());
  PcbLayerRecord top{};
  QueryLayer(kPcbMessageRead, kTopLayer, board, &top);
  EXPECT_EQ(top.next, kBottomLayer);
}

// Each case changes a good document; loading it must fail with the problem named. The changes
// to objects are made to their records, and tried in both forms of the document.
TEST_F(ServerDocument, BadDocumentsAreRefusedWithoutLoadingOrWritingAnything) {
  const PcbHandle sample = SampleBoard(Folder.Path("good.pcbdoc"));
  ASSERT_TRUE(SaveBoard(sample));
  const std::string good = TTempFolder::Read(Folder.Path("good.pcbdoc"));
  const auto edited = [&](const std::function<void(TJson&)>& edit) {
    TJson document = TJson::parse(good);
    edit(document);
    return document.dump(1);
  };
  const auto object = [](TJson& document, const char* kindName) -> TJson& {
    for (TJson& entry : document["objects"])
      if (entry["kindName"] == kindName) return entry;
    throw std::runtime_error("no such object");
  };
  const auto table = [](TJson& document, const char* kindName) -> TJson& {
    for (TJson& entry : document["tables"])
      if (entry["kindName"] == kindName) return entry;
    throw std::runtime_error("no such table");
  };
  struct TCase {
    std::string Name;
    std::string Text;
    const char* Problem;
  };
  std::vector<TCase> cases = {
      {"not JSON", "hello", "is not valid JSON"},
      {"cut short", good.substr(0, good.size() / 2), "is not valid JSON"},
      {"not an object", "[1, 2]", "no JSON object"},
      {"another format", edited([](TJson& d) { d["format"] = "sch"; }), "not a board document"},
      {"newer version", edited([](TJson& d) { d["version"] = 3; }), "newer version"},
      {"no version", edited([](TJson& d) { d.erase("version"); }), "\"version\" is missing"},
      {"81 layers", edited([](TJson& d) { d["layers"].erase(0); }), "must have 82 entries"},
      {"no tables", edited([](TJson& d) { d.erase("tables"); }), "\"tables\" is missing"},
      {"objects in version 2", edited([](TJson& d) { d["objects"] = TJson::array(); }),
       "\"objects\" does not belong to a version 2 document"},
      {"row shorter than the columns",
       edited([&](TJson& d) { table(d, "track")["rows"][0].erase(0); }), "cells for"},
      {"a column name fewer", edited([&](TJson& d) { table(d, "pad")["columns"].erase(0); }),
       "cells for"},
      {"fewer rows than the count",
       edited([&](TJson& d) {
         TJson& pads = table(d, "pad");
         pads["count"] = pads["count"].get<int>() + 1;
         pads["handles"].push_back({999990, 1});
       }),
       "rows for a count of"},
      {"fewer handles than the count",
       edited([&](TJson& d) { table(d, "track")["handles"] = TJson::array(); }),
       "gives 0 handles for 1 rows"},
      {"handle run beyond 32 bits",
       edited([&](TJson& d) { table(d, "track")["handles"][0] = {4294967295LL, 2}; }),
       "outside the handles"},
      {"a field in the columns and in same",
       edited([&](TJson& d) { table(d, "via")["same"]["layer"] = 1; }), "given twice"},
      {"a column named handle",
       edited([&](TJson& d) { table(d, "track")["columns"][0] = "handle"; }), "given twice"},
      {"rows that are no list", edited([&](TJson& d) { table(d, "track")["rows"] = 5; }),
       "\"rows\" is not a list"},
      {"a column that is no name",
       edited([&](TJson& d) { table(d, "track")["columns"][0] = 1; }), "not a name"},
      {"a field two groups deep",
       edited([&](TJson& d) { table(d, "pad")["columns"][0] = "a.b.c"; }), "not a field name"},
      {"a table that is no object", edited([&](TJson& d) { d["tables"].push_back(1); }),
       "is not an object"},
  };
  // Changes to records, in version 1 and in version 2 form.
  const auto recordCase = [&](const char* name, const std::function<void(TJson&)>& edit,
                              const char* problem, bool alsoInTables = true) {
    TJson records = AsVersion1(TJson::parse(good));
    edit(records);
    cases.push_back({std::string(name) + " (version 1)", records.dump(1), problem});
    if (alsoInTables) cases.push_back({std::string(name) + " (version 2)",
                                       AsVersion2(records).dump(1), problem});
  };
  recordCase("unknown kind", [&](TJson& d) { object(d, "fill")["kind"] = 23; },
             "field \"kind\" is not a kind of object (23)");
  recordCase("kind name of another kind", [&](TJson& d) { object(d, "fill")["kindName"] = "track"; },
             "does not name kind");
  recordCase("missing handle", [&](TJson& d) { object(d, "track").erase("handle"); },
             "(track): field \"handle\" is missing", false);
  recordCase("missing kind", [&](TJson& d) { object(d, "track").erase("kind"); },
             "field \"kind\" is missing", false);
  recordCase("text for a number", [&](TJson& d) { object(d, "track")["x1"] = "ten"; },
             "field \"x1\" is not an integer");
  recordCase("number out of range", [&](TJson& d) { object(d, "track")["x1"] = 1LL << 40; },
             "field \"x1\" is out of range");
  recordCase("layer beyond 82", [&](TJson& d) { object(d, "track")["layer"] = 83; },
             "field \"layer\" is out of range");
  recordCase("dangling container", [&](TJson& d) { object(d, "pad")["container"] = 999999; },
             "container 999999 is not a component");
  recordCase("a component holding a net",
             [&](TJson& d) { object(d, "net")["container"] = object(d, "component")["handle"]; },
             "a component cannot hold it");
  recordCase("dangling net", [&](TJson& d) { object(d, "track")["net"] = 999999; },
             "net 999999 is not a net");
  recordCase("net naming a track",
             [&](TJson& d) { object(d, "pad")["net"] = object(d, "track")["handle"]; },
             "is not a net");
  recordCase("handle used twice",
             [&](TJson& d) { object(d, "fill")["handle"] = object(d, "via")["handle"]; },
             "is used twice");
  recordCase("dangling designator",
             [&](TJson& d) { object(d, "component")["designatorText"] = 999999; },
             "text 999999 is not a text of the component");
  recordCase("dangling board outline", [](TJson& d) { d["board"]["boardOutline"] = 999999; },
             "\"boardOutline\" does not name the board outline");
  recordCase("component on a mid layer", [&](TJson& d) { object(d, "component")["layer"] = 5; },
             "neither TopLayer");
  recordCase("outline beyond its capacity",
             [&](TJson& d) {
               object(d, "polygon")["outline"] = TJson::array();
               for (int i = 0; i < 5002; ++i) object(d, "polygon")["outline"].push_back({i, i});
             },
             "more than 5001 points");
  recordCase("character beyond one byte", [&](TJson& d) { object(d, "net")["name"] = "\u0100"; },
             "beyond U+00FF");
  recordCase("name beyond 255 bytes",
             [&](TJson& d) { object(d, "net")["name"] = std::string(256, 'n'); },
             "longer than 255 bytes");
  recordCase("embedded data beyond 4095 bytes",
             [&](TJson& d) { object(d, "embedded")["data"] = std::string(4096, 'd'); },
             "longer than 4095 bytes");
  recordCase("no objects", [](TJson& d) { d.erase("objects"); }, "\"objects\" is missing", false);
  recordCase("rule of an unknown kind", [&](TJson& d) { object(d, "rule")["ruleKind"] = 60; },
             "field \"ruleKind\" is out of range");
  const std::size_t objects = Model().ObjectCount();
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    const std::string path = Folder.Write("bad.pcbdoc", c.Text);
    EXPECT_EQ(LoadBoard(path), 0u);
    const std::string error = LastError();
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_NE(error.find(c.Problem), std::string::npos) << error;
    EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
    EXPECT_EQ(TTempFolder::Read(path), c.Text) << "the file stays as it was";
    EXPECT_EQ(standin::BoardHandleFromFileName(path), 0u) << "no document stays open";
    EXPECT_EQ(Model().ObjectCount(), objects) << "nothing half-loaded";
  }
  EXPECT_EQ(LoadBoard(Folder.Path("missing.pcbdoc")), 0u);
  EXPECT_NE(LastError().find(Folder.Path("missing.pcbdoc")), std::string::npos);
  EXPECT_EQ(Folder.FileNames(), (std::vector<std::string>{"bad.pcbdoc", "good.pcbdoc"}));
}

// Every prefix of a document that is cut before its end is refused cleanly.
TEST_F(ServerDocument, EveryTruncationOfADocumentIsRefused) {
  const PcbHandle board = NewBoard(Folder.Path("small.pcbdoc"));
  const PcbHandle component = AddNew(board, kPcbObjectComponent);
  AddNew(component, kPcbObjectPad);
  const PcbHandle rule = CreateRuleObject(kRuleClearance);
  AddObjectToContainer(board, rule);
  ASSERT_TRUE(SaveBoard(board));
  const std::string text = TTempFolder::Read(Folder.Path("small.pcbdoc"));
  const std::size_t end = text.rfind('}');
  const std::size_t objects = Model().ObjectCount();
  for (std::size_t length = 1; length <= end;
       length += length < 200 || end - length < 200 ? 1 : 13) {
    const std::string path = Folder.Write("cut.pcbdoc", text.substr(0, length));
    ASSERT_EQ(LoadBoard(path), 0u) << length;
  }
  EXPECT_EQ(Model().ObjectCount(), objects);
}

// A field the document leaves out is zero, also where a new board or object starts off with
// another value (the layers' copper thickness and dielectric).
TEST_F(ServerDocument, AFieldLeftOutReadsAsZeroNotAsTheDefault) {
  const PcbHandle board = NewBoard(Folder.Path("zero.pcbdoc"));
  PcbLayerRecord top{};
  QueryLayer(kPcbMessageRead, kTopLayer, board, &top);
  ASSERT_NE(top.copperThickness, 0);
  top.copperThickness = 0;
  QueryLayer(kPcbMessageWrite, kTopLayer, board, &top);
  PcbDielectricRecord dielectric{};
  QueryLayerDielectric(kPcbMessageWrite, kTopLayer, board, &dielectric);
  ASSERT_TRUE(SaveBoard(board));
  const TJson document = ReadJson(Folder.Path("zero.pcbdoc"));
  EXPECT_EQ(FieldOr(document["layers"][0], "copperThickness"), nullptr);
  EXPECT_EQ(FieldOr(document["layers"][0], "dielectric"), nullptr) << "an all-zero group";
  CloseBoard(board);

  const PcbHandle loaded = LoadBoard(Folder.Path("zero.pcbdoc"));
  ASSERT_NE(loaded, 0u) << LastError();
  PcbLayerRecord read{};
  QueryLayer(kPcbMessageRead, kTopLayer, loaded, &read);
  EXPECT_EQ(read.copperThickness, 0);
  PcbDielectricRecord readDielectric{};
  QueryLayerDielectric(kPcbMessageRead, kTopLayer, loaded, &readDielectric);
  EXPECT_EQ(readDielectric.height, 0);
  EXPECT_EQ(readDielectric.dielectricConstant, 0.0);
  EXPECT_EQ(readDielectric.material.length, 0);
  PcbLayerRecord second{};
  QueryLayer(kPcbMessageRead, 2, loaded, &second);
  EXPECT_EQ(second.copperThickness, 14000) << "the other layers as saved";
}

// The document as the writer would leave it: every field at zero left out (numbers, false,
// empty texts, all-zero lists and groups), list entries and the fields every entry has kept.
TJson WithoutZeros(const TJson& value, bool entry = false) {
  if (value.is_array()) {
    TJson list = TJson::array();
    for (const TJson& item : value) list.push_back(WithoutZeros(item, item.is_object()));
    return list;
  }
  if (!value.is_object()) return value;
  TJson object = TJson::object();
  for (auto member = value.begin(); member != value.end(); ++member) {
    const TJson kept = WithoutZeros(*member);
    const bool always = entry && (member.key() == "handle" || member.key() == "kind" ||
                                  member.key() == "kindName" || member.key() == "container");
    const bool zero =
        kept == 0 || kept == false || kept == "" || kept.empty() ||
        (kept.is_array() && std::all_of(kept.begin(), kept.end(), [](const TJson& item) {
           return item.is_number() && item == 0;
         }));
    if (always || !zero) object[member.key()] = kept;
  }
  return object;
}

// Documents of this version written with every field (as earlier versions of the host did)
// still load, and saving the board gives the same document without its zeros.
TEST_F(ServerDocument, ADocumentWrittenWithEveryFieldLoads) {
  const std::string full = TTempFolder::Read(FIXTURES_DIR "/boards/written_in_full.pcbdoc");
  const PcbHandle board = LoadBoard(Folder.Write("full.pcbdoc", full));
  ASSERT_NE(board, 0u) << LastError();
  EXPECT_EQ(BoardOf(board).Index().Count(), TJson::parse(full)["objects"].size());
  ASSERT_TRUE(SaveBoard(board));
  const std::string compact = TTempFolder::Read(Folder.Path("full.pcbdoc"));
  EXPECT_LT(compact.size(), full.size());
  EXPECT_EQ(Comparable(compact), Comparable(WithoutZeros(TJson::parse(full)).dump()));
}

// A document the host wrote in version 1 (the blinker example as imported then) loads, and
// saving it gives every object back in version 2, field by field and in the same order.
TEST_F(ServerDocument, AVersion1DocumentSavesAsVersion2WithEveryObjectAsItWas) {
  const std::string listed =
      TTempFolder::Read(FIXTURES_DIR "/boards/blinker_version1.pcbdoc");
  const PcbHandle board = LoadBoard(Folder.Write("blinker.pcbdoc", listed));
  ASSERT_NE(board, 0u) << LastError();
  ASSERT_TRUE(SaveBoard(board)) << LastError();
  const std::string tabled = TTempFolder::Read(Folder.Path("blinker.pcbdoc"));
  EXPECT_EQ(TJson::parse(tabled)["version"], 2);
  EXPECT_EQ(RecordsOf(TJson::parse(tabled)).size(), TJson::parse(listed)["objects"].size());
  EXPECT_EQ(Comparable(tabled), Comparable(listed));
  EXPECT_LT(tabled.size(), listed.size());
}

// Byte strings of every byte, escapes and numbers at their limits come back as they were.
TEST_F(ServerDocument, NamesOfEveryByteAndExtremeNumbersSurviveASaveAndALoad) {
  const PcbHandle board = NewBoard(Folder.Path("bytes.pcbdoc"));
  const PcbHandle net = AddNew(board, kPcbObjectNet);
  PcbNetRecord netRecord{};
  netRecord.name = Short("\"quoted\" \\ back\tslash\n" + std::string("\x7F\x80\xFF", 3));
  QueryNet(kPcbMessageWrite, net, &netRecord);
  const PcbHandle track = AddNew(board, kPcbObjectTrack);
  PcbTrackRecord trackRecord{0, UINT16_MAX, kTopLayer, 0, 1, UINT32_MAX, -2000000000, 2000000000,
                             -1, 1, 5, -6, INT32_MIN, INT32_MAX};
  QueryTrack(kPcbMessageWrite, track, &trackRecord);
  const PcbHandle arc = AddNew(board, kPcbObjectArc);
  PcbArcRecord arcRecord{0, 0, kTopLayer, 0, 0, 0, 0, 0, 500, 0.1, 123.45678901234567, 10, 0};
  QueryArc(kPcbMessageWrite, arc, &arcRecord);
  ASSERT_TRUE(SaveBoard(board));
  CloseBoard(board);
  const PcbHandle loaded = LoadBoard(Folder.Path("bytes.pcbdoc"));
  ASSERT_NE(loaded, 0u) << LastError();
  const auto first = [&](uint8_t kind) {
    const PcbHandle iterator = CreateIterator(loaded, kind, kPcbIterateDefault, 0);
    const PcbHandle found = GetFirstObject(iterator);
    DestroyIterator(iterator);
    return found;
  };
  PcbNetRecord readNet{};
  QueryNet(kPcbMessageRead, first(kPcbObjectNet), &readNet);
  EXPECT_EQ(std::string(readNet.name.text, readNet.name.length),
            std::string(netRecord.name.text, netRecord.name.length));
  PcbTrackRecord readTrack{};
  QueryTrack(kPcbMessageRead, first(kPcbObjectTrack), &readTrack);
  EXPECT_EQ(readTrack.aux16, UINT16_MAX);
  EXPECT_EQ(readTrack.aux32, UINT32_MAX);
  EXPECT_EQ(readTrack.x1, -2000000000);
  EXPECT_EQ(readTrack.y1, 2000000000);
  EXPECT_EQ(readTrack.x2, -1);
  EXPECT_EQ(readTrack.reserved1, -6);
  EXPECT_EQ(readTrack.reserved2, INT32_MIN);
  EXPECT_EQ(readTrack.reserved3, INT32_MAX);
  PcbArcRecord readArc{};
  QueryArc(kPcbMessageRead, first(kPcbObjectArc), &readArc);
  EXPECT_EQ(readArc.startAngle, 0.1);
  EXPECT_EQ(readArc.endAngle, 123.45678901234567);
}

}  // namespace
