#include "server/HandleSet.h"

#include <algorithm>

namespace standin {

std::size_t THandleSet::BlockFor(PcbHandle handle) const {
  const auto found = std::partition_point(FBlocks.begin(), FBlocks.end(),
                                          [&](const TBlock& block) { return block.back() < handle; });
  return static_cast<std::size_t>(found - FBlocks.begin());
}

bool THandleSet::Insert(PcbHandle handle) {
  if (FSize == 0 || FLast < handle) {
    if (FBlocks.empty() || FBlocks.back().size() >= kBlockLimit) {
      // A set that filled a block will likely fill the next: it gets its room at once rather
      // than growing it step by step.
      FBlocks.emplace_back().reserve(FBlocks.size() > 1 ? kBlockLimit : kFirstBlockRoom);
    }
    FBlocks.back().push_back(handle);
    ++FSize;
    FLast = handle;
    return true;
  }
  const std::size_t index = BlockFor(handle);
  TBlock& block = FBlocks[index];
  const auto position = std::lower_bound(block.begin(), block.end(), handle);
  if (position != block.end() && *position == handle) return false;
  block.insert(position, handle);
  ++FSize;
  if (block.size() > kBlockLimit) {
    // Split in halves: the upper half becomes the next block.
    TBlock upper(block.begin() + static_cast<std::ptrdiff_t>(block.size() / 2), block.end());
    block.resize(block.size() / 2);
    FBlocks.insert(FBlocks.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(upper));
  }
  return true;
}

bool THandleSet::Erase(PcbHandle handle) {
  const std::size_t index = BlockFor(handle);
  if (index == FBlocks.size()) return false;
  TBlock& block = FBlocks[index];
  const auto position = std::lower_bound(block.begin(), block.end(), handle);
  if (position == block.end() || *position != handle) return false;
  block.erase(position);
  --FSize;
  if (block.empty()) FBlocks.erase(FBlocks.begin() + static_cast<std::ptrdiff_t>(index));
  if (handle == FLast) FLast = FBlocks.empty() ? 0 : FBlocks.back().back();
  return true;
}

bool THandleSet::Contains(PcbHandle handle) const {
  const std::size_t index = BlockFor(handle);
  if (index == FBlocks.size()) return false;
  const TBlock& block = FBlocks[index];
  return std::binary_search(block.begin(), block.end(), handle);
}

PcbHandle THandleSet::After(PcbHandle handle) const {
  if (FSize == 0 || handle >= FLast) return 0;
  // The first block holding a handle above the given one; its first such handle.
  const auto found = std::partition_point(FBlocks.begin(), FBlocks.end(),
                                          [&](const TBlock& block) { return block.back() <= handle; });
  if (found == FBlocks.end()) return 0;
  return *std::upper_bound(found->begin(), found->end(), handle);
}

}  // namespace standin
