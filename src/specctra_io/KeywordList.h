// The lexer's keyword list: words with their token ids, letter case ignored, the first
// registration of a word winning. Lookups run for every word of a file, so the list keeps an
// open-addressing hash index over the upper-cased words.
#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TKeywordList {
public:
  TKeywordList();

  // Adds the word with its id; a word already present (in any letter case) is ignored.
  void Add(std::string_view word, int32_t id);
  // The id of the word, or notFound. The word must already be upper-cased (ASCII).
  int32_t FindUpper(std::string_view upperWord, int32_t notFound) const;

  std::size_t Count() const { return FWords.size(); }

private:
  struct TEntry {
    std::string Word;  // upper-cased
    int32_t Id;
  };

  static uint64_t Hash(std::string_view text);
  // The first two bytes as one number (0 for a missing byte).
  static std::size_t PrefixOf(std::string_view text);
  // The slot holding the word, or the empty slot where it belongs.
  std::size_t SlotOf(std::string_view upperWord, uint64_t hash) const;
  void Rehash(std::size_t slotCount);

  std::vector<TEntry> FWords;
  std::vector<int32_t> FSlots;  // index into FWords + 1; 0 = empty
  // Quick rejections: the first two bytes and the greatest length of the registered words.
  std::bitset<256 * 256> FPrefixes;
  std::size_t FLongest = 0;
};
