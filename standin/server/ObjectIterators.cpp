#include "server/ObjectIterators.h"

#include "server/HandleAllocator.h"

namespace standin {

PcbHandle TObjectIterators::Create(const TObjectIterator& iterator) {
  const PcbHandle handle = NewPcbHandle();
  FIterators.emplace(handle, iterator);
  return handle;
}

TObjectIterator* TObjectIterators::Find(PcbHandle handle) {
  const auto found = FIterators.find(handle);
  return found == FIterators.end() ? nullptr : &found->second;
}

bool TObjectIterators::Destroy(PcbHandle handle) { return FIterators.erase(handle) > 0; }

}  // namespace standin
