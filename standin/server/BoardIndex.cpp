#include "server/BoardIndex.h"

#include <algorithm>
#include <bit>
#include <limits>

#include "server/BoardObject.h"

namespace standin {
TIndexKey IndexKeyOf(const TBoardObject& object) {
  return {object.Kind(), object.Common().Layer, object.Common().Net};
}

void TBoardIndex::Insert(const TBoardObject& object) {
  Insert(object.Handle(), IndexKeyOf(object));
}

void TBoardIndex::Erase(const TBoardObject& object) { Erase(object.Handle(), IndexKeyOf(object)); }

void TBoardIndex::Insert(PcbHandle handle, const TIndexKey& key) {
  if (key.Kind >= kKindSlots) return;
  FByKind[key.Kind].Insert(handle);
  std::vector<THandles>& layers = FByKindLayer[key.Kind];
  if (layers.size() <= key.Layer) layers.resize(key.Layer + 1u);
  layers[key.Layer].Insert(handle);
  if (key.Net != 0) FByNet.Insert(key.Net, key.Kind, handle);
}

void TBoardIndex::Erase(PcbHandle handle, const TIndexKey& key) {
  if (key.Kind >= kKindSlots) return;
  FByKind[key.Kind].Erase(handle);
  std::vector<THandles>& layers = FByKindLayer[key.Kind];
  if (key.Layer < layers.size()) layers[key.Layer].Erase(handle);
  if (key.Net != 0) FByNet.Erase(key.Net, key.Kind, handle);
}

const TBoardIndex::THandles* TBoardIndex::OfKind(uint8_t kind) const {
  return kind < kKindSlots ? &FByKind[kind] : nullptr;
}

const TBoardIndex::THandles* TBoardIndex::OfKindOnLayer(uint8_t kind, PcbLayerNumber layer) const {
  if (kind >= kKindSlots || layer >= FByKindLayer[kind].size()) return nullptr;
  const THandles& handles = FByKindLayer[kind][layer];
  return handles.Empty() ? nullptr : &handles;
}

const TBoardIndex::THandles* TBoardIndex::OfNet(PcbHandle net, uint8_t kind) const {
  return FByNet.Find(net, kind);
}

// The kinds' sets are each in order: their handles are marked in a bitmap over the range they
// span and read back in order, unless the range is far wider than the handles (then sorted).
std::vector<PcbHandle> TBoardIndex::All() const {
  std::vector<PcbHandle> all;
  all.reserve(Count());
  if (all.capacity() == 0) return all;
  PcbHandle lowest = std::numeric_limits<PcbHandle>::max();
  PcbHandle highest = 0;
  for (const THandles& handles : FByKind) {
    if (handles.Empty()) continue;
    lowest = std::min(lowest, *handles.begin());
    highest = std::max(highest, handles.Last());
  }
  const std::size_t range = std::size_t{highest} - lowest + 1;
  if (range / 64 > all.capacity()) {
    for (const THandles& handles : FByKind) all.insert(all.end(), handles.begin(), handles.end());
    std::sort(all.begin(), all.end());
    return all;
  }
  std::vector<uint64_t> marks((range + 63) / 64);
  for (const THandles& handles : FByKind)
    for (const PcbHandle handle : handles) {
      const std::size_t bit = handle - lowest;
      marks[bit / 64] |= uint64_t{1} << (bit % 64);
    }
  for (std::size_t word = 0; word < marks.size(); ++word)
    for (uint64_t bits = marks[word]; bits != 0; bits &= bits - 1)
      all.push_back(static_cast<PcbHandle>(lowest + word * 64 + std::countr_zero(bits)));
  return all;
}

std::size_t TBoardIndex::Count() const {
  std::size_t count = 0;
  for (const THandles& handles : FByKind) count += handles.Size();
  return count;
}

}  // namespace standin
