#include "specctra_io/NumberParsing.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// Drops one leading sign; answers whether it was a minus.
bool TakeSign(std::string_view& text) {
  if (text.empty() || (text.front() != '+' && text.front() != '-')) return false;
  const bool negative = text.front() == '-';
  text.remove_prefix(1);
  return negative;
}

bool TakeHexPrefix(std::string_view& text) {
  if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    return true;
  }
  if (!text.empty() && (text[0] == 'x' || text[0] == 'X')) {
    text.remove_prefix(1);
    return true;
  }
  return false;
}

}  // namespace

std::optional<int32_t> ParseSpecctraInteger(std::string_view text) {
  const bool negative = TakeSign(text);
  const int base = TakeHexPrefix(text) ? 16 : 10;
  // from_chars takes no sign for an unsigned value, so a second sign is rejected here.
  uint64_t magnitude = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, magnitude, base);
  if (text.empty() || error != std::errc() || stop != end) return std::nullopt;
  const uint64_t limit = negative ? uint64_t{1} << 31 : (uint64_t{1} << 31) - 1;
  if (magnitude > limit) return std::nullopt;
  const int64_t value =
      negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  return static_cast<int32_t>(value);
}

std::optional<double> ParseSpecctraReal(std::string_view text) {
  if (!text.empty() && text.front() == '+') {
    text.remove_prefix(1);
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) return std::nullopt;
  }
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
    return std::nullopt;
  return value;
}
