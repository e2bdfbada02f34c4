#include "common/AsciiText.h"

#include <algorithm>
#include <cstdint>

std::string AsciiUpperText(std::string_view text) {
  std::string upper(text);
  std::transform(upper.begin(), upper.end(), upper.begin(), AsciiUpper);
  return upper;
}

int CompareTextIgnoringCase(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto ca = static_cast<unsigned char>(AsciiUpper(a[i]));
    const auto cb = static_cast<unsigned char>(AsciiUpper(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool SameTextIgnoringCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareTextIgnoringCase(a, b) == 0;
}

// FNV-1a over the upper-cased bytes.
std::size_t THashIgnoringCase::operator()(std::string_view text) const {
  uint64_t hash = 14695981039346656037ull;
  for (const char c : text) {
    hash ^= static_cast<unsigned char>(AsciiUpper(c));
    hash *= 1099511628211ull;
  }
  return static_cast<std::size_t>(hash);
}

std::string CutText(std::string_view text, std::size_t maxLength) {
  return std::string(text.substr(0, std::min(text.size(), maxLength)));
}

std::string TrimText(std::string_view text) {
  auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && isBlank(text[first])) ++first;
  while (last > first && isBlank(text[last - 1])) --last;
  return std::string(text.substr(first, last - first));
}
