// The objects on a board (its own and its components' primitives) by kind, by kind and layer,
// and by net and kind, each in creation order (handles only grow). Iterators walk these sets
// from the handle they gave last, so removing that object does not disturb them.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "host/PcbApi.h"
#include "server/HandleSet.h"
#include "server/NetIndex.h"

namespace standin {

class TBoardObject;

// Where an object is filed: its kind, layer and net.
struct TIndexKey {
  uint8_t Kind = 0;
  PcbLayerNumber Layer = kNoLayer;
  PcbHandle Net = 0;

  bool operator==(const TIndexKey&) const = default;
};

TIndexKey IndexKeyOf(const TBoardObject& object);

class TBoardIndex {
public:
  using THandles = THandleSet;

  TBoardIndex() = default;
  TBoardIndex(const TBoardIndex&) = delete;
  TBoardIndex& operator=(const TBoardIndex&) = delete;

  // An object comes in with its kind, layer and net as they are, and must leave with the same.
  void Insert(const TBoardObject& object);
  void Erase(const TBoardObject& object);
  void Insert(PcbHandle handle, const TIndexKey& key);
  void Erase(PcbHandle handle, const TIndexKey& key);

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
  // Per kind, the sets by layer number (grown to the highest layer used).
  std::array<std::vector<THandles>, kKindSlots> FByKindLayer;
  TNetIndex FByNet;
};

}  // namespace standin
