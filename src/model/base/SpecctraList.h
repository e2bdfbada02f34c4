// An owning list of Specctra objects filed under their names, unsorted (in order of adding)
// or sorted by name (letter case ignored, duplicates accepted). Name lookups ignore letter
// case and cost no scan of the list: the first lookup builds an index of the names, which
// later additions then keep up to date (lists never looked up by name have none).
// A board's wiring puts hundreds of thousands of unnamed wires in one list and one shape in
// each wire's list, so an entry is an owner and the place of its name in one text of the
// list's names, which unnamed entries never make.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/FlatNameMap.h"
#include "model/base/SpecctraObject.h"

class TSpecctraList {
public:
  explicit TSpecctraList(bool sorted = false) : FSorted(sorted) {}

  // Files the object under its name (at the end, or at its sorted place). Adding nil raises.
  void Add(std::unique_ptr<TSpecctraObject> object);
  // Adds a new object of the class and answers it.
  template <class T, class... Args>
  T* Emplace(Args&&... args) {
    auto object = std::make_unique<T>(std::forward<Args>(args)...);
    T* result = object.get();
    Add(std::move(object));
    return result;
  }

  int32_t Count() const { return static_cast<int32_t>(FEntries.size()); }
  // The object at the index, or nil outside 0 .. Count() - 1.
  TSpecctraObject* ObjectAt(int32_t index) const;
  // The name the object had when it was added; empty outside 0 .. Count() - 1.
  std::string_view NameAt(int32_t index) const;
  int32_t IndexOfObject(const TSpecctraObject* object) const;
  // Replaces (and frees) the object at a valid index; otherwise nothing happens.
  void PutObject(int32_t index, std::unique_ptr<TSpecctraObject> object);
  // The index of the first object filed under the name, or -1.
  int32_t IndexOfName(std::string_view name) const;
  TSpecctraObject* FindByName(std::string_view name) const { return ObjectAt(IndexOfName(name)); }
  void Clear();

private:
  struct TEntry {
    std::unique_ptr<TSpecctraObject> Object;
    uint32_t NameStart;
    uint32_t NameLength;
  };

  std::string_view NameOf(const TEntry& entry) const;
  // Sorted lists are put in order when they are next read, so that adding stays cheap.
  void EnsureOrder() const;
  void RebuildIndex() const;

  // The names of the entries end to end, in order of adding; nil while every name is empty.
  std::unique_ptr<std::string> FNames;
  mutable std::vector<TEntry> FEntries;
  // Name (letter case ignored) -> index of its first entry; built on the first lookup, nil
  // until then (most lists, such as a wire's shapes, are never looked up by name).
  mutable std::unique_ptr<TFlatNameMap<int32_t>> FIndex;
  // Sorted lists: the entries before this one are in order (the others were added since).
  mutable uint32_t FOrderedCount = 0;
  bool FSorted;
};
