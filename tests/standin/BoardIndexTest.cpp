// Every object of a board in creation order, gathered from the sets by kind: handles of
// different kinds interleaved, close together or far apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "server/BoardIndex.h"

namespace {

using standin::TBoardIndex;

TEST(BoardIndex, AllGivesEveryObjectInCreationOrder) {
  struct TCase {
    const char* Name;
    std::vector<PcbHandle> Handles;
  };
  std::vector<PcbHandle> dense;
  for (PcbHandle h = 1000; h < 1000 + 5000; ++h)
    if (h % 3 != 0) dense.push_back(h);
  std::vector<PcbHandle> wordEdges;  // both ends of 64-handle words
  for (PcbHandle h = 63; h < 63 + 64 * 10; h += 64) wordEdges.insert(wordEdges.end(), {h, h + 1});
  const TCase cases[] = {
      {"none", {}},
      {"one", {4'000'000'000u}},
      {"dense, kinds interleaved", dense},
      {"on word edges", wordEdges},
      {"far apart", {1, 2, 500'000, 4'000'000'000u}},
  };
  const uint8_t kinds[] = {kPcbObjectTrack, kPcbObjectPad, kPcbObjectVia, kPcbObjectNet,
                           kPcbObjectBoardOutline};
  std::mt19937 random(7);
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.Name);
    TBoardIndex index;
    std::vector<PcbHandle> shuffled = c.Handles;
    std::shuffle(shuffled.begin(), shuffled.end(), random);
    for (const PcbHandle handle : shuffled)
      index.Insert(handle, {kinds[random() % std::size(kinds)], kTopLayer, 0});
    EXPECT_EQ(index.All(), c.Handles);
    EXPECT_EQ(index.Count(), c.Handles.size());
  }
}

}  // namespace
