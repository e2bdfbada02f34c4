#include "server/BoardIndex.h"

#include <algorithm>

#include "server/BoardObject.h"

namespace standin {
namespace {

uint32_t KindLayerKey(uint8_t kind, PcbLayerNumber layer) {
  return static_cast<uint32_t>(kind) << 8 | layer;
}

uint64_t NetKindKey(PcbHandle net, uint8_t kind) { return static_cast<uint64_t>(net) << 8 | kind; }

template <class Map, class Key>
void EraseFrom(Map& map, const Key& key, PcbHandle handle) {
  const auto found = map.find(key);
  if (found == map.end()) return;
  found->second.erase(handle);
  if (found->second.empty()) map.erase(found);
}

template <class Map, class Key>
const TBoardIndex::THandles* Lookup(const Map& map, const Key& key) {
  const auto found = map.find(key);
  return found == map.end() ? nullptr : &found->second;
}

}  // namespace

void TBoardIndex::Insert(const TBoardObject& object) {
  const uint8_t kind = object.Kind();
  if (kind >= kKindSlots) return;
  const PcbHandle handle = object.Handle();
  FByKind[kind].insert(handle);
  FByKindLayer[KindLayerKey(kind, object.Common().Layer)].insert(handle);
  if (object.Common().Net != 0) FByNetKind[NetKindKey(object.Common().Net, kind)].insert(handle);
}

void TBoardIndex::Erase(const TBoardObject& object) {
  const uint8_t kind = object.Kind();
  if (kind >= kKindSlots) return;
  const PcbHandle handle = object.Handle();
  FByKind[kind].erase(handle);
  EraseFrom(FByKindLayer, KindLayerKey(kind, object.Common().Layer), handle);
  if (object.Common().Net != 0)
    EraseFrom(FByNetKind, NetKindKey(object.Common().Net, kind), handle);
}

const TBoardIndex::THandles* TBoardIndex::OfKind(uint8_t kind) const {
  return kind < kKindSlots ? &FByKind[kind] : nullptr;
}

const TBoardIndex::THandles* TBoardIndex::OfKindOnLayer(uint8_t kind, PcbLayerNumber layer) const {
  return Lookup(FByKindLayer, KindLayerKey(kind, layer));
}

const TBoardIndex::THandles* TBoardIndex::OfNet(PcbHandle net, uint8_t kind) const {
  return Lookup(FByNetKind, NetKindKey(net, kind));
}

std::vector<PcbHandle> TBoardIndex::All() const {
  std::vector<PcbHandle> all;
  all.reserve(Count());
  for (const THandles& handles : FByKind) all.insert(all.end(), handles.begin(), handles.end());
  std::sort(all.begin(), all.end());
  return all;
}

std::size_t TBoardIndex::Count() const {
  std::size_t count = 0;
  for (const THandles& handles : FByKind) count += handles.size();
  return count;
}

}  // namespace standin
