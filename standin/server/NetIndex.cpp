#include "server/NetIndex.h"

namespace standin {

const TNetIndex::TNetSets* TNetIndex::SetsOf(PcbHandle net) const {
  const std::size_t page = net >> kPageBits;
  return page < FPages.size() && FPages[page] ? &(*FPages[page])[net & kSlotMask] : nullptr;
}

THandleSet& TNetIndex::SetToFill(PcbHandle net, uint8_t kind) {
  if (net == FLastNet && kind == FLastKind && FLastSet) return *FLastSet;
  const std::size_t page = net >> kPageBits;
  if (page >= FPages.size()) FPages.resize(page + 1);
  if (!FPages[page]) FPages[page] = std::make_unique<TPage>();
  TNetSets& sets = (*FPages[page])[net & kSlotMask];
  THandleSet* found = nullptr;
  for (TKindSet& set : sets)
    if (set.Kind == kind) found = &set.Handles;
  if (!found) {
    sets.push_back({kind, {}});  // may move the net's other sets: the set kept last is replaced
    found = &sets.back().Handles;
  }
  FLastNet = net;
  FLastKind = kind;
  FLastSet = found;
  return *found;
}

void TNetIndex::Insert(PcbHandle net, uint8_t kind, PcbHandle handle) {
  SetToFill(net, kind).Insert(handle);
}

void TNetIndex::Erase(PcbHandle net, uint8_t kind, PcbHandle handle) {
  const std::size_t page = net >> kPageBits;
  if (page >= FPages.size() || !FPages[page]) return;
  for (TKindSet& set : (*FPages[page])[net & kSlotMask])
    if (set.Kind == kind) set.Handles.Erase(handle);
}

const THandleSet* TNetIndex::Find(PcbHandle net, uint8_t kind) const {
  if (const TNetSets* sets = SetsOf(net))
    for (const TKindSet& set : *sets)
      if (set.Kind == kind) return &set.Handles;
  return nullptr;
}

}  // namespace standin
