#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <memory>
#include <numeric>
#include <string>
#include <vector>

#include "common/ArrangeInOrder.h"

namespace {

std::vector<std::size_t> Identity(std::size_t size) {
  std::vector<std::size_t> order(size);
  std::iota(order.begin(), order.end(), 0);
  return order;
}

}  // namespace

// Orders of every shape (none, the identity, one long cycle, swaps, random ones) give what
// copying the items in that order gives.
TEST(ArrangeInOrder, GivesWhatACopyInThatOrderGives) {
  uint64_t random = 99;
  auto next = [&] {
    random = random * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<std::size_t>(random >> 33);
  };
  std::vector<std::vector<std::size_t>> orders = {{}, Identity(5), {1, 2, 3, 4, 0}, {1, 0, 3, 2}};
  for (const std::size_t size : {2u, 17u, 1000u}) {
    std::vector<std::size_t> order = Identity(size);
    for (std::size_t i = size - 1; i > 0; --i) std::swap(order[i], order[next() % (i + 1)]);
    orders.push_back(order);
  }
  for (std::vector<std::size_t> order : orders) {
    SCOPED_TRACE(order.size());
    std::deque<std::string> items;
    for (std::size_t i = 0; i < order.size(); ++i) items.push_back("item " + std::to_string(i));
    std::deque<std::string> expected;
    for (const std::size_t from : order) expected.push_back(items[from]);
    ArrangeInOrder(items, order);
    EXPECT_EQ(items, expected);
    EXPECT_EQ(order, Identity(order.size())) << "the order is used up";
  }
}

TEST(ArrangeInOrder, MovesItemsThatCannotBeCopied) {
  std::vector<std::unique_ptr<int>> items;
  for (int i = 0; i < 4; ++i) items.push_back(std::make_unique<int>(i));
  std::vector<std::size_t> order = {2, 0, 3, 1};
  ArrangeInOrder(items, order);
  std::vector<int> values;
  for (const auto& item : items) values.push_back(item ? *item : -1);
  EXPECT_EQ(values, (std::vector<int>{2, 0, 3, 1}));
}
