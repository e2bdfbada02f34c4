#include "model/network/PinReferenceList.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

#include "common/AsciiText.h"

void TPinReferenceList::Add(std::string_view pin) {
  if (FText.size() + pin.size() > std::numeric_limits<uint32_t>::max())
    throw std::length_error("A net's pin list is longer than 4 GB.");
  FStarts.push_back(static_cast<uint32_t>(FText.size()));
  FText.append(pin);
  FSettled = false;
}

void TPinReferenceList::Settle() const {
  if (FSettled) return;
  std::vector<std::string_view> names;
  names.reserve(FStarts.size());
  for (std::size_t i = 0; i < FStarts.size(); ++i) names.push_back(At(i));
  // A stable sort keeps names that differ only in case in the order they were added, so
  // dropping the repeats keeps the first spelling.
  std::stable_sort(names.begin(), names.end(), TLessIgnoringCase());
  names.erase(std::unique(names.begin(), names.end(),
                          [](std::string_view a, std::string_view b) {
                            return SameTextIgnoringCase(a, b);
                          }),
              names.end());
  std::string text;
  std::vector<uint32_t> starts;
  std::size_t length = 0;
  for (std::string_view name : names) length += name.size();
  text.reserve(length);
  starts.reserve(names.size());
  for (std::string_view name : names) {
    starts.push_back(static_cast<uint32_t>(text.size()));
    text.append(name);
  }
  FText = std::move(text);
  FStarts = std::move(starts);
  FSettled = true;
}

bool TPinReferenceList::Contains(std::string_view pin) const {
  Settle();
  const auto found = std::lower_bound(begin(), end(), pin, TLessIgnoringCase());
  return found != end() && SameTextIgnoringCase(*found, pin);
}

std::size_t TPinReferenceList::Size() const {
  Settle();
  return FStarts.size();
}

TPinReferenceList::TIterator TPinReferenceList::begin() const {
  Settle();
  return TIterator(this, 0);
}

TPinReferenceList::TIterator TPinReferenceList::end() const {
  Settle();
  return TIterator(this, FStarts.size());
}

std::string_view TPinReferenceList::At(std::size_t index) const {
  const std::size_t start = FStarts[index];
  const std::size_t stop = index + 1 < FStarts.size() ? FStarts[index + 1] : FText.size();
  return std::string_view(FText).substr(start, stop - start);
}
