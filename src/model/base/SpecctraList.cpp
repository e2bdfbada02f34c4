#include "model/base/SpecctraList.h"

#include <algorithm>
#include <stdexcept>

#include "common/AsciiText.h"

void TSpecctraList::Add(std::unique_ptr<TSpecctraObject> object) {
  if (!object) throw std::logic_error("TSpecctraList.Add - nil object");
  std::string name = object->Name();
  if (FSorted) {
    FOrderValid = false;
    FIndex.reset();
  } else if (FIndex) {
    FIndex->TryEmplace(name, Count());
  }
  FEntries.push_back({std::move(name), std::move(object), FNextSequence++});
}

void TSpecctraList::EnsureOrder() const {
  if (FOrderValid) return;
  // Among equal names the object added last comes first, as an insertion at the first
  // equal name would put it.
  std::sort(FEntries.begin(), FEntries.end(), [](const TEntry& a, const TEntry& b) {
    const int order = CompareTextIgnoringCase(a.Name, b.Name);
    return order != 0 ? order < 0 : a.Sequence > b.Sequence;
  });
  FOrderValid = true;
}

void TSpecctraList::RebuildIndex() const {
  EnsureOrder();
  FIndex = std::make_unique<TFlatNameMap<int32_t>>();
  for (int32_t i = 0; i < Count(); ++i) FIndex->TryEmplace(FEntries[i].Name, i);
}

TSpecctraObject* TSpecctraList::ObjectAt(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  EnsureOrder();
  return FEntries[index].Object.get();
}

const std::string& TSpecctraList::NameAt(int32_t index) const {
  static const std::string none;
  if (index < 0 || index >= Count()) return none;
  EnsureOrder();
  return FEntries[index].Name;
}

int32_t TSpecctraList::IndexOfObject(const TSpecctraObject* object) const {
  EnsureOrder();
  for (int32_t i = 0; i < Count(); ++i)
    if (FEntries[i].Object.get() == object) return i;
  return -1;
}

void TSpecctraList::PutObject(int32_t index, std::unique_ptr<TSpecctraObject> object) {
  if (index < 0 || index >= Count()) return;
  EnsureOrder();
  FEntries[index].Object = std::move(object);
}

int32_t TSpecctraList::IndexOfName(std::string_view name) const {
  if (!FIndex) RebuildIndex();
  const int32_t* index = FIndex->Find(name);
  return index ? *index : -1;
}

void TSpecctraList::Clear() {
  std::vector<TEntry>().swap(FEntries);
  FIndex.reset();
  FOrderValid = true;
}
