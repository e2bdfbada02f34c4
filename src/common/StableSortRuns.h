// A stable sort for sequences that are mostly a few sorted runs, such as objects read kind by
// kind, each kind in order: the runs are found in one pass and merged pairwise, so that k runs
// cost log2(k) passes over the items instead of the log2(n) of a general sort.
#pragma once

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <vector>

template <class Iterator, class Less>
void StableSortRuns(Iterator first, Iterator last, Less less) {
  // Where each run begins, and the end.
  std::vector<Iterator> bounds{first};
  for (Iterator at = first; at != last;) {
    Iterator next = std::next(at);
    if (next != last && less(*next, *at)) bounds.push_back(next);
    at = next;
  }
  bounds.push_back(last);
  // Neighbouring runs merged, round after round: equal items keep their order.
  while (bounds.size() > 2) {
    std::vector<Iterator> merged{bounds.front()};
    for (std::size_t i = 2; i < bounds.size(); i += 2) {
      std::inplace_merge(bounds[i - 2], bounds[i - 1], bounds[i], less);
      merged.push_back(bounds[i]);
    }
    if (bounds.size() % 2 == 0) merged.push_back(bounds.back());
    bounds = std::move(merged);
  }
}
