// The objects on a board (its own and its components' primitives) by kind, by kind and layer,
// and by net and kind, each in creation order (handles only grow). Iterators walk these sets
// from the handle they gave last, so removing that object does not disturb them.
#pragma once

#include <array>
#include <cstdint>
#include <set>
#include <unordered_map>
#include <vector>

#include "host/PcbApi.h"

namespace standin {

class TBoardObject;

class TBoardIndex {
public:
  using THandles = std::set<PcbHandle>;

  // An object comes in with its kind, layer and net as they are, and must leave with the same.
  void Insert(const TBoardObject& object);
  void Erase(const TBoardObject& object);

  // Null when there is none.
  const THandles* OfKind(uint8_t kind) const;
  const THandles* OfKindOnLayer(uint8_t kind, PcbLayerNumber layer) const;
  const THandles* OfNet(PcbHandle net, uint8_t kind) const;
  // Every object on the board, in creation order.
  std::vector<PcbHandle> All() const;
  std::size_t Count() const;

private:
  static constexpr std::size_t kKindSlots = kPcbObjectBoardOutline + 1;

  std::array<THandles, kKindSlots> FByKind;
  std::unordered_map<uint32_t, THandles> FByKindLayer;
  std::unordered_map<uint64_t, THandles> FByNetKind;
};

}  // namespace standin
