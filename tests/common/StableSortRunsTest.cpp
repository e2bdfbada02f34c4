#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "common/StableSortRuns.h"

// Sequences of every shape (empty, one item, sorted, reversed, a few sorted runs, random; keys
// repeated throughout) come out as a stable sort gives them: equal keys in their first order.
TEST(StableSortRuns, SortsAsAStableSortDoes) {
  uint64_t random = 7;
  auto next = [&] {
    random = random * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<int>(random >> 33);
  };
  std::vector<std::vector<int>> keyLists = {{}, {5}, {1, 2, 2, 3}, {4, 3, 2, 1, 0}};
  std::vector<int> runs;  // kind by kind, each in order, handles of the kinds interleaved
  for (int run = 0; run < 7; ++run)
    for (int i = 0; i < 300; ++i) runs.push_back(run + 7 * i + (i % 50 == 0 ? 1 : 0));
  keyLists.push_back(runs);
  std::vector<int> mixed;
  for (int i = 0; i < 5000; ++i) mixed.push_back(next() % 100);
  keyLists.push_back(mixed);
  for (const std::vector<int>& keys : keyLists) {
    SCOPED_TRACE(keys.size());
    std::vector<std::pair<int, int>> items;  // key, first place
    for (std::size_t i = 0; i < keys.size(); ++i) items.emplace_back(keys[i], static_cast<int>(i));
    std::vector<std::pair<int, int>> expected = items;
    const auto byKey = [](const auto& a, const auto& b) { return a.first < b.first; };
    std::stable_sort(expected.begin(), expected.end(), byKey);
    StableSortRuns(items.begin(), items.end(), byKey);
    EXPECT_EQ(items, expected);
  }
}
