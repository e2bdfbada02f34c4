// Byte-string helpers: ASCII letter case and the fixed-length cuts of host strings.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

constexpr char AsciiUpper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 32) : c; }

std::string AsciiUpperText(std::string_view text);
bool SameTextIgnoringCase(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, with ASCII letters folded to upper case.
int CompareTextIgnoringCase(std::string_view a, std::string_view b);

// The host's strings hold at most this many bytes.
constexpr std::size_t kShortStringMax = 255;
// The text cut to at most maxLength bytes.
std::string CutText(std::string_view text, std::size_t maxLength = kShortStringMax);

// Orders texts ignoring ASCII letter case (for maps and sorted lists keyed by name).
struct TLessIgnoringCase {
  bool operator()(std::string_view a, std::string_view b) const {
    return CompareTextIgnoringCase(a, b) < 0;
  }
  using is_transparent = void;
};

// Hashes and compares texts ignoring ASCII letter case (for hash maps keyed by name; both
// take string views, so a lookup needs no copy of its key).
struct THashIgnoringCase {
  std::size_t operator()(std::string_view text) const;
  using is_transparent = void;
};
struct TEqualIgnoringCase {
  bool operator()(std::string_view a, std::string_view b) const {
    return SameTextIgnoringCase(a, b);
  }
  using is_transparent = void;
};

// Leading and trailing blanks and control characters removed.
std::string TrimText(std::string_view text);
