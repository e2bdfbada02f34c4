#include "specctra_io/KeywordList.h"

#include <algorithm>
#include <cstring>

#include "common/AsciiText.h"

namespace {
constexpr std::size_t kInitialSlots = 64;
}

TKeywordList::TKeywordList() { FSlots.assign(kInitialSlots, 0); }

uint64_t TKeywordList::Hash(std::string_view text) {
  // Eight bytes at a time: words are short, and every word of a file is looked up.
  uint64_t hash = text.size();
  for (std::size_t at = 0; at < text.size(); at += 8) {
    uint64_t chunk = 0;
    std::memcpy(&chunk, text.data() + at, std::min<std::size_t>(8, text.size() - at));
    hash = (hash ^ chunk) * 0x9E3779B97F4A7C15ull;
    hash ^= hash >> 29;
  }
  return hash;
}

std::size_t TKeywordList::PrefixOf(std::string_view text) {
  const auto byteAt = [&](std::size_t i) -> std::size_t {
    return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
  };
  return byteAt(0) << 8 | byteAt(1);
}

std::size_t TKeywordList::SlotOf(std::string_view upperWord, uint64_t hash) const {
  const std::size_t mask = FSlots.size() - 1;
  for (std::size_t slot = hash & mask;; slot = (slot + 1) & mask) {
    const int32_t entry = FSlots[slot];
    if (entry == 0 || FWords[static_cast<std::size_t>(entry - 1)].Word == upperWord) return slot;
  }
}

void TKeywordList::Rehash(std::size_t slotCount) {
  FSlots.assign(slotCount, 0);
  for (std::size_t i = 0; i < FWords.size(); ++i)
    FSlots[SlotOf(FWords[i].Word, Hash(FWords[i].Word))] = static_cast<int32_t>(i + 1);
}

void TKeywordList::Add(std::string_view word, int32_t id) {
  std::string upper = AsciiUpperText(word);
  const uint64_t hash = Hash(upper);
  const std::size_t slot = SlotOf(upper, hash);
  if (FSlots[slot] != 0) return;
  FPrefixes[PrefixOf(upper)] = true;
  FLongest = std::max(FLongest, upper.size());
  FWords.push_back({std::move(upper), id});
  // Keep the table at most half full, so that probes stay short and always end.
  if (2 * FWords.size() > FSlots.size()) {
    Rehash(2 * FSlots.size());
  } else {
    FSlots[slot] = static_cast<int32_t>(FWords.size());
  }
}

int32_t TKeywordList::FindUpper(std::string_view upperWord, int32_t notFound) const {
  if (upperWord.size() > FLongest || !FPrefixes[PrefixOf(upperWord)]) return notFound;
  const int32_t entry = FSlots[SlotOf(upperWord, Hash(upperWord))];
  return entry == 0 ? notFound : FWords[static_cast<std::size_t>(entry - 1)].Id;
}
