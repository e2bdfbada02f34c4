#include "model/base/SpecctraList.h"

#include <algorithm>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "common/AsciiText.h"

void TSpecctraList::Add(std::unique_ptr<TSpecctraObject> object) {
  if (!object) throw std::logic_error("TSpecctraList.Add - nil object");
  const std::string& name = object->Name();
  TEntry entry{nullptr, 0, static_cast<uint32_t>(name.size())};
  if (!name.empty()) {
    if (!FNames) FNames = std::make_unique<std::string>();
    if (FNames->size() + name.size() > std::numeric_limits<uint32_t>::max())
      throw std::length_error("TSpecctraList.Add - names longer than 4 GB");
    entry.NameStart = static_cast<uint32_t>(FNames->size());
    FNames->append(name);
  }
  if (FSorted) FIndex.reset();
  else if (FIndex) FIndex->TryEmplace(name, Count());
  entry.Object = std::move(object);
  FEntries.push_back(std::move(entry));
}

std::string_view TSpecctraList::NameOf(const TEntry& entry) const {
  if (entry.NameLength == 0) return {};
  return std::string_view(*FNames).substr(entry.NameStart, entry.NameLength);
}

// The entries added since the list was last in order go before the ordered ones of an equal
// name, the last added first, as an insertion at the first equal name would put them.
void TSpecctraList::EnsureOrder() const {
  if (!FSorted || FOrderedCount == FEntries.size()) return;
  const auto byName = [this](const TEntry& a, const TEntry& b) {
    return CompareTextIgnoringCase(NameOf(a), NameOf(b)) < 0;
  };
  const auto added = FEntries.begin() + FOrderedCount;
  std::reverse(added, FEntries.end());
  std::stable_sort(added, FEntries.end(), byName);
  std::vector<TEntry> merged;
  merged.reserve(FEntries.size());
  std::merge(std::make_move_iterator(added), std::make_move_iterator(FEntries.end()),
             std::make_move_iterator(FEntries.begin()), std::make_move_iterator(added),
             std::back_inserter(merged), byName);
  FEntries = std::move(merged);
  FOrderedCount = static_cast<uint32_t>(FEntries.size());
}

void TSpecctraList::RebuildIndex() const {
  EnsureOrder();
  FIndex = std::make_unique<TFlatNameMap<int32_t>>();
  for (int32_t i = 0; i < Count(); ++i) FIndex->TryEmplace(NameOf(FEntries[i]), i);
}

TSpecctraObject* TSpecctraList::ObjectAt(int32_t index) const {
  if (index < 0 || index >= Count()) return nullptr;
  EnsureOrder();
  return FEntries[index].Object.get();
}

std::string_view TSpecctraList::NameAt(int32_t index) const {
  if (index < 0 || index >= Count()) return {};
  EnsureOrder();
  return NameOf(FEntries[index]);
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
  FNames.reset();
  FIndex.reset();
  FOrderedCount = 0;
}
