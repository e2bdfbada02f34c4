// Puts the items of a random-access container into a new order in place, without a second copy
// of them: the permutation is followed one cycle after another, each item moved once.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

// order[k] is the index of the item that goes k-th; order must hold each index once. It is
// used up: each entry is left naming its own place.
template <class Items>
void ArrangeInOrder(Items& items, std::vector<std::size_t>& order) {
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) continue;
    auto first = std::move(items[start]);
    std::size_t at = start;
    for (;;) {
      const std::size_t from = order[at];
      order[at] = at;
      if (from == start) break;
      items[at] = std::move(items[from]);
      at = from;
    }
    items[at] = std::move(first);
  }
}
