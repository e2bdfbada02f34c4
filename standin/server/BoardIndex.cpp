#include "server/BoardIndex.h"

#include <algorithm>

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

std::vector<PcbHandle> TBoardIndex::All() const {
  std::vector<PcbHandle> all;
  all.reserve(Count());
  for (const THandles& handles : FByKind) all.insert(all.end(), handles.begin(), handles.end());
  std::sort(all.begin(), all.end());
  return all;
}

std::size_t TBoardIndex::Count() const {
  std::size_t count = 0;
  for (const THandles& handles : FByKind) count += handles.Size();
  return count;
}

}  // namespace standin
