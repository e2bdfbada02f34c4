#include "rtl/PcbStrings.h"

#include <algorithm>
#include <cstring>

PcbShortString ToPcbString(std::string_view text) {
  PcbShortString result{};
  const std::size_t length = std::min<std::size_t>(text.size(), sizeof(result.text));
  result.length = static_cast<uint8_t>(length);
  std::memcpy(result.text, text.data(), length);
  return result;
}

std::string FromPcbString(const PcbShortString& text) {
  return std::string(text.text, text.length);
}
