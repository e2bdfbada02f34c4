// A set of handles in ascending order, kept as a sorted run of small blocks rather than one
// tree node per handle: four bytes a handle, and adding a handle above all others (the usual
// case, handles only grow) appends to the last block. Inserting or erasing elsewhere moves at
// most one block's handles.
#pragma once

#include <cstddef>
#include <iterator>
#include <vector>

#include "host/PcbApi.h"

namespace standin {

class THandleSet {
public:
  class TIterator;

  // True when the handle was not in the set before, or was in it.
  bool Insert(PcbHandle handle);
  bool Erase(PcbHandle handle);
  bool Contains(PcbHandle handle) const;
  // The smallest handle above the given one; nil when there is none.
  PcbHandle After(PcbHandle handle) const;

  // The highest handle; the set must not be empty.
  PcbHandle Last() const { return FLast; }
  std::size_t Size() const { return FSize; }
  bool Empty() const { return FSize == 0; }
  TIterator begin() const;
  TIterator end() const;

private:
  using TBlock = std::vector<PcbHandle>;
  static constexpr std::size_t kBlockLimit = 512;
  // The room a set's first block starts with.
  static constexpr std::size_t kFirstBlockRoom = 8;

  // The first block whose last handle is not below the handle; the block count when none.
  std::size_t BlockFor(PcbHandle handle) const;

  std::vector<TBlock> FBlocks;  // never an empty block
  std::size_t FSize = 0;
  // The highest handle, nil while empty: adding above it appends without reading the blocks.
  PcbHandle FLast = 0;
};

class THandleSet::TIterator {
public:
  using iterator_category = std::forward_iterator_tag;
  using value_type = PcbHandle;
  using difference_type = std::ptrdiff_t;
  using pointer = const PcbHandle*;
  using reference = const PcbHandle&;

  TIterator() = default;
  TIterator(const std::vector<TBlock>* blocks, std::size_t block, std::size_t index)
      : FBlocks(blocks), FBlock(block), FIndex(index) {}

  reference operator*() const { return (*FBlocks)[FBlock][FIndex]; }
  TIterator& operator++() {
    if (++FIndex == (*FBlocks)[FBlock].size()) {
      ++FBlock;
      FIndex = 0;
    }
    return *this;
  }
  TIterator operator++(int) {
    TIterator before = *this;
    ++*this;
    return before;
  }
  bool operator==(const TIterator& other) const {
    return FBlock == other.FBlock && FIndex == other.FIndex;
  }

private:
  const std::vector<TBlock>* FBlocks = nullptr;
  std::size_t FBlock = 0;
  std::size_t FIndex = 0;
};

inline THandleSet::TIterator THandleSet::begin() const { return {&FBlocks, 0, 0}; }
inline THandleSet::TIterator THandleSet::end() const { return {&FBlocks, FBlocks.size(), 0}; }

}  // namespace standin
