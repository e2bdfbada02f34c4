// A map from names (ASCII letter case ignored) to small values, for tables of hundreds of
// thousands of short names such as pin references. The names sit end to end in one text
// buffer, each after its length (7 bits a byte, the high bit marking a following byte), and
// the entries in one open-addressed slot array (linear probing, hashes kept), so filing a
// name costs no heap node and a lookup touches one slot run and one name. A slot is the
// hash's low half, the name's place and the value: 16 bytes for a pointer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "common/AsciiText.h"

template <class Value>
class TFlatNameMap {
public:
  // Files the name with the value unless it is filed already; answers whether it was filed.
  bool TryEmplace(std::string_view name, Value value) {
    if (4 * (FLiveOrErased + 1) > 3 * FSlots.size()) Grow();
    const uint64_t hash = Hash(name);
    std::size_t erased = kNone;
    for (std::size_t i = SlotOf(hash);; i = (i + 1) & Mask()) {
      TSlot& slot = FSlots[i];
      if (slot.NameOffset == kErased && erased == kNone) erased = i;
      if (slot.NameOffset == kEmpty) {
        if (erased == kNone) ++FLiveOrErased;
        Fill(FSlots[erased == kNone ? i : erased], hash, name, std::move(value));
        ++FCount;
        return true;
      }
      if (Live(slot) && Holds(slot, hash, name)) return false;
    }
  }

  // The value filed under the name, or nil.
  const Value* Find(std::string_view name) const {
    const std::size_t at = IndexOf(name);
    return at == kNone ? nullptr : &FSlots[at].Stored;
  }

  // Removes the name's entry when its value is the one given; answers whether it did.
  bool EraseIfValue(std::string_view name, const Value& value) {
    const std::size_t at = IndexOf(name);
    if (at == kNone || !(FSlots[at].Stored == value)) return false;
    FSlots[at].NameOffset = kErased;
    --FCount;
    return true;
  }

  // Removes every entry whose value the predicate accepts, in one pass over the slots.
  template <class Predicate>
  void EraseValuesIf(Predicate&& accepts) {
    for (TSlot& slot : FSlots) {
      if (!Live(slot) || !accepts(slot.Stored)) continue;
      slot.NameOffset = kErased;
      --FCount;
    }
  }

  std::size_t Size() const { return FCount; }
  bool Empty() const { return FCount == 0; }
  void Clear() {
    FSlots.clear();
    FNames.clear();
    FCount = 0;
    FLiveOrErased = 0;
  }

  // Visits every entry as (name, value), in no particular order.
  template <class Visit>
  void ForEach(Visit&& visit) const {
    for (const TSlot& slot : FSlots)
      if (Live(slot)) visit(NameOf(slot), slot.Stored);
  }

private:
  // A slot's name offset when it holds no entry: it never held one, or its entry was erased.
  static constexpr uint32_t kEmpty = 0xFFFFFFFF;
  static constexpr uint32_t kErased = 0xFFFFFFFE;
  struct TSlot {
    uint32_t HashLow = 0;  // the hash's low half: it places the entry and is compared first
    uint32_t NameOffset = kEmpty;  // where the name's length and then its bytes begin
    Value Stored{};
  };
  static bool Live(const TSlot& slot) { return slot.NameOffset < kErased; }
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
  static constexpr std::size_t kFirstCapacity = 64;

  // The case-ignoring hash with its bits spread, so that its low bits choose the slot.
  static uint64_t Hash(std::string_view name) {
    uint64_t hash = THashIgnoringCase()(name);
    hash ^= hash >> 33;
    hash *= 0xff51afd7ed558ccdull;
    return hash ^ (hash >> 33);
  }
  static uint32_t LowOf(uint64_t hash) { return static_cast<uint32_t>(hash); }
  std::size_t Mask() const { return FSlots.size() - 1; }
  std::size_t SlotOf(uint64_t hash) const { return static_cast<std::size_t>(hash) & Mask(); }
  std::string_view NameOf(const TSlot& slot) const {
    std::size_t at = slot.NameOffset;
    std::size_t length = 0;
    for (int shift = 0;; shift += 7) {
      const auto byte = static_cast<unsigned char>(FNames[at++]);
      length |= static_cast<std::size_t>(byte & 0x7F) << shift;
      if ((byte & 0x80) == 0) break;
    }
    return std::string_view(FNames).substr(at, length);
  }
  bool Holds(const TSlot& slot, uint64_t hash, std::string_view name) const {
    return slot.HashLow == LowOf(hash) && SameTextIgnoringCase(NameOf(slot), name);
  }

  std::size_t IndexOf(std::string_view name) const {
    if (FCount == 0) return kNone;
    const uint64_t hash = Hash(name);
    for (std::size_t i = SlotOf(hash);; i = (i + 1) & Mask()) {
      const TSlot& slot = FSlots[i];
      if (slot.NameOffset == kEmpty) return kNone;
      if (Live(slot) && Holds(slot, hash, name)) return i;
    }
  }

  void Fill(TSlot& slot, uint64_t hash, std::string_view name, Value value) {
    // The offset of every name, and of the end of the last, stays below the two marks.
    if (FNames.size() + name.size() + 10 >= kErased)
      throw std::length_error("A name table is longer than 4 GB.");
    slot.HashLow = LowOf(hash);
    slot.NameOffset = static_cast<uint32_t>(FNames.size());
    slot.Stored = std::move(value);
    std::size_t length = name.size();
    for (; length >= 0x80; length >>= 7) FNames.push_back(static_cast<char>(0x80 | (length & 0x7F)));
    FNames.push_back(static_cast<char>(length));
    FNames.append(name);
  }

  // Doubles the slots (or only drops the erased ones when they are half of the filled ones),
  // moving the live entries; their names stay where they are. Up to 2^32 slots.
  void Grow() {
    std::vector<TSlot> old = std::move(FSlots);
    const std::size_t capacity =
        old.empty() ? kFirstCapacity : (2 * FCount >= FLiveOrErased ? 2 * old.size() : old.size());
    FSlots.assign(capacity, TSlot{});
    FLiveOrErased = FCount;
    for (TSlot& slot : old) {
      if (!Live(slot)) continue;
      std::size_t i = SlotOf(slot.HashLow);
      while (FSlots[i].NameOffset != kEmpty) i = (i + 1) & Mask();
      FSlots[i] = std::move(slot);
    }
  }

  std::vector<TSlot> FSlots;
  std::string FNames;  // every filed name, end to end
  std::size_t FCount = 0;
  std::size_t FLiveOrErased = 0;  // slots not empty: the probe runs' length bound
};
