#include "specctra_io/KeywordList.h"

#include "common/AsciiText.h"

namespace {
constexpr std::size_t kInitialSlots = 64;
}

TKeywordList::TKeywordList() { FSlots.assign(kInitialSlots, 0); }

uint64_t TKeywordList::Hash(std::string_view text) {
  uint64_t hash = 14695981039346656037ull;  // FNV-1a
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(c);
    hash *= 1099511628211ull;
  }
  return hash;
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
  if (!upper.empty()) FFirstBytes[static_cast<unsigned char>(upper.front())] = true;
  FWords.push_back({std::move(upper), id});
  // Keep the table at most half full, so that probes stay short and always end.
  if (2 * FWords.size() > FSlots.size()) {
    Rehash(2 * FSlots.size());
  } else {
    FSlots[slot] = static_cast<int32_t>(FWords.size());
  }
}

int32_t TKeywordList::FindUpper(std::string_view upperWord, int32_t notFound) const {
  if (!upperWord.empty() && !FFirstBytes[static_cast<unsigned char>(upperWord.front())])
    return notFound;
  const int32_t entry = FSlots[SlotOf(upperWord, Hash(upperWord))];
  return entry == 0 ? notFound : FWords[static_cast<std::size_t>(entry - 1)].Id;
}
