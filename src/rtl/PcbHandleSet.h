// A set of host object handles kept in one flat table (open addressing): no heap node per
// handle, so that marking millions of objects costs a few bytes each.
#pragma once

#include <cstddef>
#include <vector>

#include "host/PcbApi.h"

class TPcbHandleSet {
public:
  // Answers whether the handle was new. The nil handle is never held.
  bool Insert(PcbHandle handle);
  bool Contains(PcbHandle handle) const;
  std::size_t Size() const { return FSize; }
  void Clear();

private:
  // The slot that holds the handle, or the empty slot where it would go.
  std::size_t SlotOf(PcbHandle handle) const;
  void Grow();

  std::vector<PcbHandle> FSlots;  // 0 marks an empty slot; the size is a power of two
  std::size_t FSize = 0;
};
