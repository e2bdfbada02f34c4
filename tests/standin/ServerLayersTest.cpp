// A new board's records and layer stack, inserting layers into the stack, drill layer pairs,
// and the layer IDs the server takes in records.
#include <string>
#include <vector>

#include "standin/ServerTestSupport.h"

namespace {

using namespace standin::api;

class ServerLayers : public TServerTest {
protected:
  void SetUp() override {
    TServerTest::SetUp();
    Board = NewBoard("/boards/layers.pcbdoc");
    ASSERT_NE(Board, 0u);
  }

  PcbLayerRecord Layer(PcbLayerNumber number) {
    PcbLayerRecord record{};
    EXPECT_EQ(QueryLayer(kPcbMessageRead, number, Board, &record), kPcbOk);
    return record;
  }

  // The stack from TopLayer down its next links.
  std::vector<int> Stack() {
    std::vector<int> stack;
    for (PcbLayerNumber n = kTopLayer; n != kNoLayer && stack.size() < 83; n = Layer(n).next)
      stack.push_back(n);
    return stack;
  }

  PcbHandle Board = 0;
};

std::string NameOf(const PcbShortString& text) { return std::string(text.text, text.length); }

TEST_F(ServerLayers, ANewBoardHasTheDefaultLayersStackAndSettings) {
  PcbBoardRecord board{};
  ASSERT_EQ(QueryBoard(kPcbMessageRead, Board, &board), kPcbOk);
  EXPECT_EQ(NameOf(board.fileName), "/boards/layers.pcbdoc");
  EXPECT_EQ(board.originX, 0);
  EXPECT_EQ(board.originY, 0);
  EXPECT_NE(board.unitMils, 0) << "mils";
  EXPECT_EQ(board.currentLayer, kTopLayer);
  EXPECT_EQ(board.boardOutline, 0u);

  const std::pair<PcbLayerNumber, const char*> names[] = {
      {1, "TopLayer"},       {2, "MidLayer1"},      {31, "MidLayer30"},  {32, "BottomLayer"},
      {33, "TopOverlay"},    {38, "BottomSolder"},  {39, "InternalPlane1"},
      {54, "InternalPlane16"}, {55, "DrillGuide"},  {56, "KeepOutLayer"}, {57, "Mechanical1"},
      {72, "Mechanical16"},  {74, "MultiLayer"},    {77, "DRCErrorLayer"}, {82, "ViaHoleLayer"}};
  for (const auto& [number, name] : names) {
    SCOPED_TRACE(name);
    const PcbLayerRecord layer = Layer(number);
    EXPECT_EQ(NameOf(layer.name), name);
    EXPECT_EQ(layer.copperThickness, 14000);
    PcbDielectricRecord dielectric{};
    ASSERT_EQ(QueryLayerDielectric(kPcbMessageRead, number, Board, &dielectric), kPcbOk);
    EXPECT_EQ(NameOf(dielectric.material), "FR-4");
    EXPECT_EQ(dielectric.height, 126000);
  }
  EXPECT_EQ(Stack(), (std::vector<int>{kTopLayer, kBottomLayer}));
  EXPECT_EQ(Layer(kBottomLayer).prev, kTopLayer);

  PcbInternalPlaneRecord plane{};
  ASSERT_EQ(QueryInternalPlane(kPcbMessageRead, 39, Board, &plane), kPcbOk);
  EXPECT_EQ(NameOf(plane.planeNet), "(No Net)");
  EXPECT_EQ(QueryInternalPlane(kPcbMessageRead, 38, Board, &plane), kPcbFail);
  PcbLayerRecord none{};
  EXPECT_EQ(QueryLayer(kPcbMessageRead, kNoLayer, Board, &none), kPcbFail);
  EXPECT_EQ(QueryLayer(kPcbMessageRead, 83, Board, &none), kPcbFail);

  PcbBoardGridsRecord grids{};
  ASSERT_EQ(QueryBoardGridsEx(kPcbMessageRead, Board, &grids), kPcbOk);
  EXPECT_EQ(grids.unitMils, 1);
  EXPECT_GT(grids.snapGridX, 0);
  uint8_t mode = 0;
  ASSERT_EQ(QueryBoardSplitPlaneMode(kPcbMessageRead, Board, &mode), kPcbOk);
  EXPECT_EQ(mode, 1);
  int32_t pairs = -1;
  ASSERT_EQ(QueryBoardLayerPairsCount(kPcbMessageRead, Board, &pairs), kPcbOk);
  EXPECT_EQ(pairs, 0);
  const PcbHandle rules = CreateIterator(Board, kPcbObjectRule, kPcbIterateDefault, 0);
  EXPECT_EQ(GetFirstObject(rules), 0u) << "no rules";
  DestroyIterator(rules);
}

TEST_F(ServerLayers, InsertingPutsALayerDirectlyAfterItsReference) {
  struct TStep {
    PcbLayerNumber Layer;
    PcbLayerNumber Reference;
    int32_t Expected;
    std::vector<int> Stack;
  };
  const TStep steps[] = {
      {2, kTopLayer, kPcbOk, {1, 2, 32}},
      {39, 2, kPcbOk, {1, 2, 39, 32}},
      {3, kBottomLayer, kPcbOk, {1, 2, 39, 32, 3}},
      {2, 39, kPcbOk, {1, 39, 2, 32, 3}},         // a layer in the stack moves
      {5, 4, kPcbFail, {1, 39, 2, 32, 3}},        // the reference is not in the stack
      {2, 2, kPcbFail, {1, 39, 2, 32, 3}},
      {kNoLayer, kTopLayer, kPcbFail, {1, 39, 2, 32, 3}},
      {83, kTopLayer, kPcbFail, {1, 39, 2, 32, 3}},
  };
  for (const TStep& step : steps) {
    SCOPED_TRACE(std::to_string(step.Layer) + " after " + std::to_string(step.Reference));
    EXPECT_EQ(InsertLayerInStack(Board, step.Layer, step.Reference), step.Expected);
    EXPECT_EQ(Stack(), step.Stack);
  }
  EXPECT_EQ(Layer(3).next, kNoLayer);
  EXPECT_EQ(Layer(3).prev, kBottomLayer);
  EXPECT_EQ(InsertLayerInStack(0, 2, kTopLayer), kPcbFail) << "no board";
}

// Records hold layers as IDs: 0..82 themselves, partitioned signal, plane and mechanical
// layers by ordinal (beyond the numbered ones, the last of their kind). Other IDs are refused
// and leave the object as it was.
TEST_F(ServerLayers, LayerIdsInRecordsBecomeLayerNumbers) {
  struct TCase {
    PcbLayerId Id;
    int Number;  // -1: refused
  };
  const TCase cases[] = {
      {0, 0},
      {kTopLayer, 1},
      {kViaHoleLayer, 82},
      {83, -1},
      {257u << 16 | 5, 5},
      {257u << 16 | 40, 31},
      {257u << 16 | 0, -1},
      {260u << 16 | 3, 41},
      {260u << 16 | 20, 54},
      {1024u << 16 | 2, 58},
      {1024u << 16 | 0xFFFF, 72},
      {300u << 16 | 1, -1},
      {0x00FF0000, -1},
      {0xFFFFFFFF, -1},
  };
  const PcbHandle track = AddNew(Board, kPcbObjectTrack);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Id);
    PcbTrackRecord before{};
    QueryTrack(kPcbMessageRead, track, &before);
    PcbTrackRecord record = before;
    record.layer = c.Id;
    record.width = 777;
    EXPECT_EQ(QueryTrack(kPcbMessageWrite, track, &record), c.Number < 0 ? kPcbFail : kPcbOk);
    PcbTrackRecord after{};
    QueryTrack(kPcbMessageRead, track, &after);
    EXPECT_EQ(after.layer, c.Number < 0 ? before.layer : static_cast<PcbLayerId>(c.Number));
    EXPECT_EQ(after.width, c.Number < 0 ? before.width : 777);
    const PcbHandle iterator = CreateIterator(Board, kPcbObjectTrack, kPcbIterateDefault, c.Id);
    EXPECT_EQ(iterator != 0, c.Number >= 0);
    if (c.Number >= 0) {
      EXPECT_EQ(GetFirstObject(iterator), track);
    }
    DestroyIterator(iterator);
  }
}

TEST_F(ServerLayers, LayerPairsResizeWithTheirCountAndKeepLayerNumbers) {
  int32_t count = 2;
  ASSERT_EQ(QueryBoardLayerPairsCount(kPcbMessageWrite, Board, &count), kPcbOk);
  PcbLayerPairRecord pair{kBottomLayer, 257u << 16 | 3, 7, 9};
  ASSERT_EQ(QueryBoardLayerPairAt(kPcbMessageWrite, Board, 1, &pair), kPcbOk);
  PcbLayerPairRecord read{};
  ASSERT_EQ(QueryBoardLayerPairAt(kPcbMessageRead, Board, 1, &read), kPcbOk);
  EXPECT_EQ(read.startLayer, 3u);
  EXPECT_EQ(read.endLayer, kBottomLayer);
  EXPECT_EQ(read.reserved1, 7);
  EXPECT_EQ(read.reserved2, 9);
  EXPECT_EQ(QueryBoardLayerPairAt(kPcbMessageRead, Board, 2, &read), kPcbFail);
  EXPECT_EQ(QueryBoardLayerPairAt(kPcbMessageRead, Board, -1, &read), kPcbFail);
  pair.startLayer = 300u << 16 | 1;
  EXPECT_EQ(QueryBoardLayerPairAt(kPcbMessageWrite, Board, 0, &pair), kPcbFail);
  count = -1;
  EXPECT_EQ(QueryBoardLayerPairsCount(kPcbMessageWrite, Board, &count), kPcbFail);
  count = 1;
  ASSERT_EQ(QueryBoardLayerPairsCount(kPcbMessageWrite, Board, &count), kPcbOk);
  EXPECT_EQ(QueryBoardLayerPairAt(kPcbMessageRead, Board, 1, &read), kPcbFail);
}

}  // namespace
