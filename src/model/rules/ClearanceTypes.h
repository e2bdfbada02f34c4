// The Specctra clearance types ((type pin_via ...) of a clearance statement) by index, with
// the host query fragments that select the objects on either side of the gap.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

inline constexpr int kClearanceTypeCount = 28;  // indices 0 .. 27; 26 has no type

struct TClearanceType {
  uint8_t Index;
  int32_t Keyword;        // token id
  int32_t OtherKeyword;   // the same pair named the other way round; 0 when none
  std::string_view FirstFragment;   // empty: the type selects nothing on the board
  std::string_view SecondFragment;
};

// The type of a keyword, or none.
std::optional<TClearanceType> ClearanceTypeOf(int32_t keywordId);
// The type of an index, or none (26 and anything above 27).
std::optional<TClearanceType> ClearanceTypeAt(int index);
// Whether the index's fragments take part in a rule's filters (not 23 to 26).
bool ClearanceTypeSelects(int index);
