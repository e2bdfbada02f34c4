// The pin references of a net's pin list (component, hyphen, pin: U1-5), sorted with letter
// case ignored and without repeats: of names that differ only in case, the one added first
// stays. Big boards list hundreds of thousands of pins, so the names sit end to end in one
// text in their order, with one start offset each: a few bytes a pin, no node per pin.
#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

class TPinReferenceList {
public:
  class TIterator {
  public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = std::string_view;
    using difference_type = std::ptrdiff_t;
    using pointer = void;
    using reference = std::string_view;

    TIterator() = default;
    TIterator(const TPinReferenceList* list, std::size_t index) : FList(list), FIndex(index) {}
    std::string_view operator*() const { return FList->At(FIndex); }
    TIterator& operator++() {
      ++FIndex;
      return *this;
    }
    TIterator operator++(int) {
      TIterator before = *this;
      ++FIndex;
      return before;
    }
    bool operator==(const TIterator& other) const { return FIndex == other.FIndex; }

  private:
    const TPinReferenceList* FList = nullptr;
    std::size_t FIndex = 0;
  };

  // Adds a pin; the list is put in order when it is next read or settled.
  void Add(std::string_view pin);
  // Puts the pins added since the last time in order, drops the repeats and trims the storage
  // to its size: called once a statement's pins are all added.
  void Settle() const;

  bool Contains(std::string_view pin) const;
  std::size_t Size() const;
  bool Empty() const { return FStarts.empty(); }
  TIterator begin() const;
  TIterator end() const;

private:
  std::string_view At(std::size_t index) const;

  // The names end to end; the start of each in FText. A name ends where the next begins.
  mutable std::string FText;
  mutable std::vector<uint32_t> FStarts;
  mutable bool FSettled = true;
};
