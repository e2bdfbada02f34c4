// The iterators the PCB server hands out: over a container (board, component or net), one
// object kind and one layer (0 = all). An iterator remembers the handle it gave last and goes
// on from there, so it stays valid when that object is removed.
#pragma once

#include <cstdint>
#include <unordered_map>

#include "host/PcbApi.h"

namespace standin {

struct TObjectIterator {
  PcbHandle Container = 0;
  uint8_t Kind = 0;
  PcbLayerNumber Layer = kNoLayer;
  PcbHandle Last = 0;  // 0 before the first object
};

class TObjectIterators {
public:
  PcbHandle Create(const TObjectIterator& iterator);
  // Null for nil, unknown and destroyed iterators.
  TObjectIterator* Find(PcbHandle handle);
  bool Destroy(PcbHandle handle);
  std::size_t Count() const { return FIterators.size(); }

private:
  std::unordered_map<PcbHandle, TObjectIterator> FIterators;
};

}  // namespace standin
