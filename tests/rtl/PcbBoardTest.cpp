// The board wrapper's layer stack and pair logic over layer records set up by hand.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "rtl/PcbBoard.h"

namespace {

// Links the given layers into a stack, top first.
void LinkStack(TPcbBoard& board, std::initializer_list<PcbLayerNumber> layers) {
  const std::vector<PcbLayerNumber> order(layers);
  for (std::size_t i = 0; i < order.size(); ++i) {
    TLayerObject* layer = board.LayerObject(order[i]);
    layer->SetPrevLayer(i > 0 ? order[i - 1] : kNoLayer);
    layer->SetNextLayer(i + 1 < order.size() ? order[i + 1] : kNoLayer);
  }
}

std::vector<PcbLayerNumber> WalkStack(const TPcbBoard& board) {
  std::vector<PcbLayerNumber> walked;
  for (const TLayerObject* layer = board.FirstStackLayer(); layer && walked.size() < 100;
       layer = board.NextStackLayer(*layer))
    walked.push_back(layer->GetLayerNumber());
  return walked;
}

TLayerSet SetOf(std::initializer_list<PcbLayerNumber> layers) {
  TLayerSet set;
  for (const PcbLayerNumber layer : layers) set.set(layer);
  return set;
}

TLayerSet SignalLayers() {
  TLayerSet set;
  for (PcbLayerNumber layer = kTopLayer; layer <= kBottomLayer; ++layer) set.set(layer);
  return set;
}

TEST(PcbBoard, LayerRecordsExistForOneToEightyTwo) {
  TPcbBoard board(1);
  EXPECT_EQ(board.LayerObject(0), nullptr);
  EXPECT_EQ(board.LayerObject(83), nullptr);
  EXPECT_EQ(board.LayerObject(kViaHoleLayer)->GetLayerNumber(), kViaHoleLayer);
  EXPECT_EQ(board.InternalPlane(kBottomSolder), nullptr);
  EXPECT_NE(board.InternalPlane(kInternalPlane16), nullptr);
}

TEST(PcbBoard, StackWalksFromTheTopThroughTheNextLinks) {
  TPcbBoard board(1);
  LinkStack(board, {1, 39, 2, 40, 32});
  EXPECT_EQ(WalkStack(board), (std::vector<PcbLayerNumber>{1, 39, 2, 40, 32}));
  EXPECT_TRUE(board.IsInStack(*board.LayerObject(40)));
  EXPECT_TRUE(board.IsInStack(*board.LayerObject(32)));
  EXPECT_FALSE(board.IsInStack(*board.LayerObject(3)));
}

TEST(PcbBoard, NewBoardStackIsTheTopLayerAlone) {
  TPcbBoard board(1);
  EXPECT_EQ(WalkStack(board), std::vector<PcbLayerNumber>{kTopLayer});
}

TEST(PcbBoard, StackPositionCountsSetLayersFromTheTop) {
  TPcbBoard board(1);
  LinkStack(board, {1, 39, 2, 40, 32});
  struct Case {
    PcbLayerNumber layer;
    uint32_t inSignalsAndPlanes, inSignals;
  };
  const Case cases[] = {
      {1, 1, 1},  {39, 2, 0}, {2, 3, 2}, {40, 4, 0},
      {32, 5, 3}, {3, 5, 3},  // in the set but never reached: every stack layer of the set
      {33, 0, 0},             // in neither set
  };
  TLayerSet signalsAndPlanes = SignalLayers();
  for (PcbLayerNumber layer = kInternalPlane1; layer <= kInternalPlane16; ++layer)
    signalsAndPlanes.set(layer);
  for (const Case& c : cases) {
    SCOPED_TRACE(int(c.layer));
    const TLayerObject& layer = *board.LayerObject(c.layer);
    EXPECT_EQ(board.StackPosition(signalsAndPlanes, layer), c.inSignalsAndPlanes);
    EXPECT_EQ(board.StackPosition(SignalLayers(), layer), c.inSignals);
  }
}

TEST(PcbBoard, LoopingLinksEndTheWalk) {
  TPcbBoard board(1);
  board.LayerObject(1)->SetNextLayer(2);
  board.LayerObject(2)->SetPrevLayer(1);
  board.LayerObject(2)->SetNextLayer(1);
  EXPECT_LE(board.StackPosition(SetOf({1, 2, 3}), *board.LayerObject(3)), 82u);
  board.LayerObject(2)->SetNextLayer(200);
  EXPECT_EQ(WalkStack(board), (std::vector<PcbLayerNumber>{1, 2})) << "a link beyond 82 ends it";
}

TEST(PcbBoard, OnlyInternalPlanesTakeANetName) {
  TPcbBoard board(1);
  board.SetPlaneNetName(kInternalPlane1, "GND");
  board.SetPlaneNetName(kBottomSolder, "VCC");
  board.SetPlaneNetName(kDrillGuide, "VCC");
  board.SetPlaneNetName(200, "VCC");
  EXPECT_EQ(board.InternalPlane(kInternalPlane1)->GetPlaneNetName(), "GND");
  EXPECT_EQ(board.InternalPlane(kInternalPlane16)->GetPlaneNetName(), "(No Net)");
  EXPECT_EQ(board.LayerObject(kBottomSolder)->GetName(), "BottomSolder");
}

TEST(PcbBoard, LayerPairsAreFoundInEitherOrder) {
  TPcbBoard board(1);
  TPcblayerPair& outer = board.LayerPairs().emplace_back();
  outer.SetStartLayer(kTopLayer);
  outer.SetEndLayer(kBottomLayer);
  TPcblayerPair& buried = board.LayerPairs().emplace_back();
  buried.SetStartLayer(kMidLayer1);
  buried.SetEndLayer(kInternalPlane1);
  EXPECT_EQ(board.FindLayerPair(kBottomLayer, kTopLayer), &board.LayerPairs()[0]);
  EXPECT_EQ(board.FindLayerPair(kMidLayer1, kInternalPlane1), &board.LayerPairs()[1]);
  EXPECT_EQ(board.FindLayerPair(kInternalPlane1, kMidLayer1), &board.LayerPairs()[1]);
  EXPECT_EQ(board.FindLayerPair(kTopLayer, kMidLayer1), nullptr);
}

TEST(PcbBoard, LayerPairRecordCarriesTheBytesReversed) {
  TPcblayerPair pair;
  pair.FromRecord({kBottomLayer, kTopLayer, 7, 9});
  EXPECT_EQ(pair.GetStartLayer(), kTopLayer);
  EXPECT_EQ(pair.GetEndLayer(), kBottomLayer);
  const PcbLayerPairRecord back = pair.ToRecord();
  EXPECT_EQ(back.endLayer, kBottomLayer);
  EXPECT_EQ(back.startLayer, kTopLayer);
  EXPECT_EQ(back.reserved1, 7);
  EXPECT_EQ(back.reserved2, 9);
}

TEST(PcbBoard, LayerPairNamesPutTheUpperLayerFirst) {
  struct Case {
    uint32_t startPosition, endPosition;
    const char* name;
  };
  const Case cases[] = {
      {1, 5, "Start - End"}, {5, 1, "End - Start"},
      {3, 3, "Start - End"}, {0, 0, "Start - End"},  // both outside the signal and plane layers
      {0, 2, "Start - End"}, {2, 0, "End - Start"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(LayerPairName("Start", c.startPosition, "End", c.endPosition), c.name);
  }
}

}  // namespace
